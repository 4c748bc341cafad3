#include <QApplication>

#include "app/App.h"

int main(int argc, char** argv) {
  return RunApplication(argc, argv);
}
