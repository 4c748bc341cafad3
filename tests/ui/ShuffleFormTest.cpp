// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <vector>

#include "platform/Modal.h"
#include "platform/qt/ModalQt.h"
#include "session/Shuffle.h"
#include "ui/ShuffleForm.h"
#include "ui/ShuffleInput.h"

namespace {

// Records every message box and dialog and answers with `answer`.
class ModalLog {
 public:
  explicit ModalLog(int answer = mrOk)
      : scope_([this, answer](const ModalRequest& r) -> std::optional<int> {
          requests.push_back(r);
          return answer;
        }) {}
  std::vector<ModalRequest> requests;

 private:
  ScopedModalResponder scope_;
};

void Type(QWidget* target, Qt::Key key, const QString& text) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QApplication::sendEvent(target, &press);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
  QApplication::sendEvent(target, &release);
}

void TypeText(QWidget* target, const QString& text) {
  for (QChar c : text) {
    Qt::Key key = c.isDigit()    ? Qt::Key(Qt::Key_0 + (c.unicode() - '0'))
                  : c.isLetter() ? Qt::Key(Qt::Key_A + (c.toUpper().unicode() - 'A'))
                                 : Qt::Key_unknown;
    if (c == QLatin1Char(' ')) key = Qt::Key_Space;
    if (c == QLatin1Char('-')) key = Qt::Key_Minus;
    Type(target, key, QString(c));
  }
}

}  // namespace

TEST(ShuffleInputTest, GameNumbersAreOneTo2147483647) {
  using ShuffleInput::ParseGameNumber;
  EXPECT_EQ(ParseGameNumber("1"), 1u);
  EXPECT_EQ(ParseGameNumber("2147483647"), 2147483647u);
  EXPECT_EQ(ParseGameNumber("0000000042"), 42u);
  for (const char* bad :
       {"", "0", "0000000000", "2147483648", "4294967295", "4294967296", "9999999999",
        "99999999999999999999999", "-1", "+5", " 5", "5 ", "12a", "0x10", "1.5", "１２"})
    EXPECT_FALSE(ParseGameNumber(QString::fromUtf8(bad)).has_value()) << bad;
}

TEST(ShuffleInputTest, OnlyDigitsBackspaceAndEnterAreTyped) {
  using ShuffleInput::AcceptsTypedChar;
  for (char c = '0'; c <= '9'; ++c)
    EXPECT_TRUE(AcceptsTypedChar(QLatin1Char(c)));
  EXPECT_TRUE(AcceptsTypedChar(QLatin1Char('\b')));
  EXPECT_TRUE(AcceptsTypedChar(QLatin1Char('\r')));
  for (char c : {'a', 'Z', ' ', '-', '+', '.', ',', '\t', '\x16', '\x1b'})
    EXPECT_FALSE(AcceptsTypedChar(QLatin1Char(c))) << int(c);
  EXPECT_FALSE(AcceptsTypedChar(QChar(0x0663)));  // an Arabic-Indic three
}

TEST(ShuffleFormTest, TypingKeepsDigitsOnlyAndAtMostTenOfThem) {
  RecentShuffles recent;
  TShuffle_Form form(recent);
  EXPECT_EQ(form.windowTitle(), "Select Shuffle");
  QLineEdit* edit = form.Shuffle_CB->lineEdit();
  TypeText(edit, QStringLiteral("1a2 -3"));
  EXPECT_EQ(form.Text(), "123");
  Type(edit, Qt::Key_Backspace, QStringLiteral("\b"));
  EXPECT_EQ(form.Text(), "12");
  // Ctrl+V arrives as a control character and is dropped with the others.
  QKeyEvent paste(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier, QStringLiteral("\x16"));
  QApplication::sendEvent(edit, &paste);
  EXPECT_EQ(form.Text(), "12");
  TypeText(edit, QStringLiteral("345678901234"));
  EXPECT_EQ(form.Text(), "1234567890");
}

TEST(ShuffleFormTest, KeysTypedIntoTheComboBoxItselfAreFilteredThere) {
  RecentShuffles recent;
  TShuffle_Form form(recent);
  int beeps = 0;
  form.Beep = [&] { ++beeps; };
  TypeText(form.Shuffle_CB, QStringLiteral("12ab-3x"));
  EXPECT_EQ(form.Text(), "123");
  EXPECT_EQ(beeps, 4);
  // Editing keys still reach the box: Home, then a digit in front.
  Type(form.Shuffle_CB, Qt::Key_Home, QString());
  TypeText(form.Shuffle_CB, QStringLiteral("9"));
  Type(form.Shuffle_CB, Qt::Key_End, QString());
  Type(form.Shuffle_CB, Qt::Key_Backspace, QStringLiteral("\b"));
  EXPECT_EQ(form.Text(), "912");
  EXPECT_EQ(beeps, 4);
}

TEST(ShuffleFormTest, OkRefusesTextsOutsideTheRangeAndStaysOpen) {
  RecentShuffles recent;
  recent.Add(5);
  TShuffle_Form form(recent);
  for (const char* bad : {"0", "", "2147483648", "9999999999"}) {
    ModalLog log;
    form.show();
    form.Shuffle_CB->setEditText(QString::fromLatin1(bad));
    form.Button1->click();
    ASSERT_EQ(log.requests.size(), 1u) << bad;
    EXPECT_EQ(log.requests[0].kind, ModalRequest::Message);
    EXPECT_EQ(log.requests[0].text, "Game number doesn't fit the range 1..2147483647");
    EXPECT_EQ(log.requests[0].caption, "Wenlo Solitaire Collection");
    EXPECT_TRUE(form.isVisible()) << bad;
    EXPECT_EQ(recent.Items(), QStringList{"5"});
  }
  form.Shuffle_CB->setEditText(QStringLiteral("2147483647"));
  ModalLog none;
  form.Button1->click();
  EXPECT_TRUE(none.requests.empty());
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(form.result(), mrOk);
  EXPECT_EQ(form.Number(), 2147483647u);
  EXPECT_EQ(recent.Items(), (QStringList{"2147483647", "5"}));
}

TEST(ShuffleFormTest, RecentNumbersMoveToTheTopAndKeepTen) {
  RecentShuffles recent;
  for (uint32_t n = 1; n <= 3; ++n)
    recent.Add(n);             // 3 2 1
  TShuffle_Form form(recent);  // kept, as the program does
  auto run = [&](const QString& text, int button) {
    QTimer::singleShot(0, &form, [&form, text, button] {
      form.Shuffle_CB->setEditText(text);
      (button == mrOk ? form.Button1 : form.Button2)->click();
    });
    return ExecDialog(form, mrOk);
  };
  // The dialog opens showing the newest number.
  form.show();
  QApplication::processEvents();
  EXPECT_EQ(form.Text(), "3");
  EXPECT_EQ(form.Shuffle_CB->count(), 3);
  form.hide();

  EXPECT_EQ(run(QStringLiteral("1"), mrOk), mrOk);
  EXPECT_EQ(recent.Items(), (QStringList{"1", "3", "2"}));
  EXPECT_EQ(form.Shuffle_CB->count(), 3);
  // Leading zeros name the same game and do not make a second entry.
  EXPECT_EQ(run(QStringLiteral("0003"), mrOk), mrOk);
  EXPECT_EQ(recent.Items(), (QStringList{"3", "1", "2"}));
  // Cancel changes nothing.
  EXPECT_EQ(run(QStringLiteral("77"), mrCancel), mrCancel);
  EXPECT_EQ(recent.Items(), (QStringList{"3", "1", "2"}));

  for (int n = 100; n < 110; ++n)
    EXPECT_EQ(run(QString::number(n), mrOk), mrOk);
  EXPECT_EQ(recent.Items().size(), 10);
  EXPECT_EQ(recent.Items().front(), "109");
  EXPECT_EQ(recent.Items().back(), "100");
  EXPECT_FALSE(recent.Items().contains("3"));

  // A fresh deal adds its number elsewhere; the next opening shows it.
  recent.Add(86399999);
  form.show();
  QApplication::processEvents();
  EXPECT_EQ(form.Text(), "86399999");
  EXPECT_EQ(form.Shuffle_CB->count(), 10);
  EXPECT_EQ(form.Shuffle_CB->lineEdit()->selectedText(), "86399999");
  form.hide();
}

TEST(ShuffleFormTest, EnterInTheBoxPressesOk) {
  RecentShuffles recent;
  TShuffle_Form form(recent);
  form.show();
  QApplication::processEvents();
  form.Shuffle_CB->setEditText(QString());
  TypeText(form.Shuffle_CB->lineEdit(), QStringLiteral("42"));
  Type(form.Shuffle_CB->lineEdit(), Qt::Key_Return, QStringLiteral("\r"));
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(form.result(), mrOk);
  EXPECT_EQ(recent.Items(), QStringList{"42"});
}

TEST(ShuffleFormTest, AnsweredWithoutItsButtonsNumberIsCheckedStill) {
  RecentShuffles recent;
  TShuffle_Form form(recent);
  form.Shuffle_CB->setEditText(QStringLiteral("0"));
  ModalLog scripted(mrOk);
  EXPECT_EQ(ExecDialog(form, mrOk), mrOk);
  EXPECT_FALSE(form.Number().has_value());
  form.Shuffle_CB->setEditText(QStringLiteral("617"));
  EXPECT_EQ(form.Number(), 617u);
}

TEST(ShuffleForm, TheTypedNumberIsJudgedAndOnlyItsOwnAnswerIsShown) {
  RecentShuffles recent;
  TShuffle_Form form(recent);
  std::vector<uint32_t> asked;
  form.JudgeNumber = [&](uint32_t n) { asked.push_back(n); };
  form.Shuffle_CB->setEditText("123");
  ASSERT_FALSE(asked.empty());
  EXPECT_EQ(asked.back(), 123u);
  EXPECT_EQ(form.Grade_L->text(), QStringLiteral("Checking\u2026"));
  form.ShowJudgement(12, "Not winnable");  // an answer about an older text
  EXPECT_EQ(form.Grade_L->text(), QStringLiteral("Checking\u2026"));
  form.ShowJudgement(123, "Winnable (Hard)");
  EXPECT_EQ(form.Grade_L->text(), "Winnable (Hard)");
  form.Shuffle_CB->setEditText("0");  // no game number: nothing asked or shown
  EXPECT_EQ(asked.back(), 123u);
  EXPECT_EQ(form.Grade_L->text(), "");
}
