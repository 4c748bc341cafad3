// SPDX-License-Identifier: GPL-3.0-or-later
// Help topics and the help filter, the About box and its links, the tray.

#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QTextBrowser>
#include <QWidget>

#include "platform/Modal.h"
#include "records/Catalogue.h"
#include "ui/AboutBox.h"
#include "ui/HelpWindow.h"
#include "ui/Tray.h"

namespace {

// A context that belongs to no topic and never will: past the last game.
constexpr int kNoTopic = 100 + kGameCount + 10;

class UrlCapture {
 public:
  UrlCapture() {
    SetUrlOpener([this](const QUrl& u) {
      urls.push_back(u);
      return true;
    });
  }
  ~UrlCapture() { SetUrlOpener({}); }
  std::vector<QUrl> urls;
};

}  // namespace

TEST(UiHelp, FilterPassesOnlyTheContentsOrARealContext) {
  EXPECT_TRUE(AppHelp(HELP_CONTENTS, 0));
  EXPECT_TRUE(AppHelp(HELP_CONTEXT, 105));
  EXPECT_TRUE(AppHelp(HELP_CONTEXTPOPUP, 5));
  EXPECT_FALSE(AppHelp(HELP_CONTEXT, 0));
  EXPECT_FALSE(AppHelp(HELP_QUIT, 0));
  EXPECT_FALSE(AppHelp(HELP_CONTEXTPOPUP, 0));
  // A game outside the catalogue has context 0: F1 does nothing.
  EXPECT_FALSE(AppHelp(HELP_CONTEXT, HelpContext(kGameCount)));
}

TEST(UiHelp, CarriedTopicsAndTheContentsListOfGames) {
  for (int c : {0, 1, 5, 6, 7, 8})
    EXPECT_TRUE(HelpTopicExists(c)) << c;
  EXPECT_FALSE(HelpTopicExists(kNoTopic));
  EXPECT_FALSE(HelpTopicExists(-1));
  EXPECT_TRUE(HelpTopicHtml(5).contains("Display messages on illegal move"));
  EXPECT_TRUE(HelpTopicHtml(6).contains("Play sound"));
  EXPECT_TRUE(HelpTopicHtml(7).contains("Minimize to Taskbar Tray"));
  EXPECT_TRUE(HelpTopicHtml(8).contains("Show empty tableau piles"));
  EXPECT_TRUE(HelpTopicHtml(1).contains("Choosing a game"));
  const QString contents = HelpTopicHtml(0);
  for (int i = 0; i < kGameCount; ++i) {
    EXPECT_TRUE(contents.contains(QString("href=\"%1.html\"").arg(100 + i))) << i;
    EXPECT_TRUE(contents.contains(GameName(i).toHtmlEscaped())) << i;
  }
  EXPECT_FALSE(contents.contains("<!--games-->"));

  EXPECT_EQ(HelpContextOfUrl(QUrl("qrc:/help/105.html")), 105);
  EXPECT_EQ(HelpContextOfUrl(QUrl("qrc:/help/index.html")), 0);
  EXPECT_EQ(HelpContextOfUrl(QUrl("7.html")), 7);
  EXPECT_EQ(HelpContextOfUrl(QUrl("qrc:/help/x7.html")), -1);
  EXPECT_EQ(HelpContextOfUrl(QUrl("https://www.gnu.org/licenses/gpl-3.0.html")), -1);
  EXPECT_EQ(HelpTopicUrl(0), QUrl("qrc:/help/index.html"));
  EXPECT_EQ(HelpTopicUrl(123), QUrl("qrc:/help/123.html"));
}

TEST(UiHelp, MissingTopicShowsAFriendlyPage) {
  const QString page = HelpTopicHtml(kNoTopic);
  EXPECT_TRUE(page.contains("No help yet"));
  EXPECT_TRUE(page.contains("index.html"));
  // A game whose topic is not written yet is named on its page.
  for (int i = 0; i < kGameCount; ++i) {
    if (HelpTopicExists(100 + i)) continue;
    EXPECT_TRUE(HelpTopicHtml(100 + i).contains(GameName(i).toHtmlEscaped())) << i;
    EXPECT_TRUE(HelpTopicHtml(100 + i).contains("No help yet")) << i;
  }
}

TEST(UiHelp, RequestsOpenTheWindowOnTheirTopic) {
  THelp help;
  EXPECT_FALSE(help.Request(HELP_CONTEXT, 0));
  EXPECT_EQ(help.Window(), nullptr);

  ASSERT_TRUE(help.ShowContents());
  ASSERT_NE(help.Window(), nullptr);
  EXPECT_EQ(help.Window()->CurrentContext(), 0);
  EXPECT_TRUE(help.Window()->Browser()->toPlainText().contains(GameName(0)));

  ASSERT_TRUE(help.ShowContext(7));
  EXPECT_EQ(help.Window()->CurrentContext(), 7);
  EXPECT_TRUE(help.Window()->Browser()->toPlainText().contains("Minimize to Taskbar Tray"));

  ASSERT_TRUE(help.ShowContext(kNoTopic));
  EXPECT_EQ(help.Window()->CurrentContext(), kNoTopic);
  EXPECT_TRUE(help.Window()->Browser()->toPlainText().contains("No help yet"));

  // Links inside topics are relative and land on topics too.
  help.Window()->Browser()->setSource(QUrl("5.html"));
  EXPECT_EQ(help.Window()->CurrentContext(), 5);
  help.Window()->Browser()->backward();
  EXPECT_EQ(help.Window()->CurrentContext(), kNoTopic);

  // Closing the window frees it; the next request makes a new one.
  help.Window()->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(help.Window(), nullptr);
  ASSERT_TRUE(help.ShowContext(1));
  EXPECT_EQ(help.Window()->CurrentContext(), 1);
}

TEST(UiAbout, ShowsTheProgramsVersionDataAndLicence) {
  EXPECT_EQ(BuildLine("2.0.0.94"), "Build 2.0.0.94");
  EXPECT_EQ(BuildLine(""), "");
  EXPECT_EQ(BuildLine("  "), "");

  TAboutBox box;
  EXPECT_EQ(box.windowTitle(), "About");
  EXPECT_EQ(box.Label1->text(), "Wenlo Solitaire Collection");
  EXPECT_EQ(box.Version->text(), "Version 2.0");
  EXPECT_EQ(box.Label2->text(), "Build 2.0.0.94");
  EXPECT_EQ(box.Label4->text(), "Licence:");
  EXPECT_EQ(box.Label5->text(), "GPL-3.0-or-later");
  EXPECT_TRUE(box.Notice->text().contains("GNU General Public License"));

  UrlCapture capture;
  emit box.Label3->linkActivated("#");
  ASSERT_EQ(capture.urls.size(), 1u);
  EXPECT_EQ(capture.urls[0], QUrl("https://www.gnu.org/licenses/gpl-3.0.html"));

  ScopedModalResponder ok([](const ModalRequest&) -> std::optional<int> { return mrOk; });
  EXPECT_EQ(box.Execute(), mrOk);
}

TEST(UiTray, WithoutANotificationAreaTheWindowMinimisesNormally) {
  QWidget window;
  window.show();
  TTray tray(&window);
  tray.SetAvailabilityCheck([] { return false; });
  EXPECT_FALSE(tray.MinimizeToTray(true));
  EXPECT_TRUE(window.isVisible());
  EXPECT_FALSE(tray.IconShown());

  // With the option off the area is not used either.
  tray.SetAvailabilityCheck([] { return true; });
  EXPECT_FALSE(tray.MinimizeToTray(false));
  EXPECT_TRUE(window.isVisible());
  EXPECT_FALSE(tray.IconShown());
}

TEST(UiTray, MinimisedToTheIconAndBackByDoubleClickOrMenu) {
  QWidget window;
  window.show();
  TTray tray(&window);
  tray.SetAvailabilityCheck([] { return true; });
  EXPECT_EQ(tray.Icon()->toolTip(), "Wenlo Solitaire Collection");
  EXPECT_FALSE(tray.Icon()->icon().isNull());

  ASSERT_TRUE(tray.MinimizeToTray(true));
  EXPECT_FALSE(window.isVisible());
  EXPECT_TRUE(tray.IconShown());
  emit tray.Icon()->activated(QSystemTrayIcon::Context);  // the menu: nothing else
  EXPECT_FALSE(window.isVisible());
  emit tray.Icon()->activated(QSystemTrayIcon::DoubleClick);
  EXPECT_TRUE(window.isVisible());
  EXPECT_FALSE(tray.IconShown());

  ASSERT_TRUE(tray.MinimizeToTray(true));
  tray.ShowWenloSolitaire1->trigger();
  EXPECT_TRUE(window.isVisible());
  EXPECT_FALSE(tray.IconShown());
}

TEST(UiTray, MenuHasShowAndExitAndExitClosesTheWindow) {
  QWidget window;
  window.show();
  TTray tray(&window);
  tray.SetAvailabilityCheck([] { return true; });
  const QList<QAction*> items = tray.Menu()->actions();
  ASSERT_EQ(items.size(), 3);
  EXPECT_EQ(items[0]->text(), "Show Wenlo Solitaire");
  EXPECT_EQ(tray.Menu()->defaultAction(), items[0]);
  EXPECT_TRUE(items[0]->font().bold());
  EXPECT_TRUE(items[1]->isSeparator());
  EXPECT_EQ(items[2]->text(), "E&xit");

  int exits = 0;
  tray.OnExit = [&exits] { ++exits; };
  ASSERT_TRUE(tray.MinimizeToTray(true));
  tray.Exit1->trigger();
  EXPECT_EQ(exits, 1);
  EXPECT_FALSE(tray.IconShown());

  // Without a handler the window itself is closed.
  tray.OnExit = nullptr;
  tray.Exit1->trigger();
  EXPECT_FALSE(window.isVisible());
}
