// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/AboutBox.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFrame>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QRadialGradient>
#include <algorithm>

#include "cardtable/Cardscmp.h"
#include "platform/Modal.h"
#include "platform/qt/ModalQt.h"

namespace {

UrlOpener& Opener() {
  static UrlOpener opener;
  return opener;
}

// A label that looks and acts like a link: blue, underlined, a hand cursor,
// and a click runs the action.
QLabel* LinkLabel(QWidget* parent, const QString& text, std::function<void()> action) {
  auto* label = new QLabel(parent);
  label->setText(QString("<a href=\"#\" style=\"color:#0000ff;text-decoration:underline\">%1</a>")
                     .arg(text.toHtmlEscaped()));
  label->setTextFormat(Qt::RichText);
  label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
  label->setCursor(Qt::PointingHandCursor);
  QObject::connect(label, &QLabel::linkActivated, label, [action](const QString&) { action(); });
  return label;
}

// A card image with the table showing through its rounded corners.
QImage CardWithCorners(int k) {
  QImage card = CardImages::Image(k).convertToFormat(QImage::Format_ARGB32);
  const QImage& mask = CardImages::Image(CardImages::kCardMask);
  if (!card.isNull() && mask.size() == card.size()) card.setAlphaChannel(mask);
  return card;
}

}  // namespace

QUrl LicenceUrl() {
  return QUrl(QStringLiteral("https://www.gnu.org/licenses/gpl-3.0.html"));
}

bool OpenUrl(const QUrl& url) {
  if (Opener()) return Opener()(url);
  return QDesktopServices::openUrl(url);
}

void SetUrlOpener(UrlOpener opener) {
  Opener() = std::move(opener);
}

QString BuildLine(const QString& fileVersion) {
  return fileVersion.trimmed().isEmpty()
             ? QString()
             : QCoreApplication::translate("TAboutBox", "Build %1").arg(fileVersion.trimmed());
}

QString ProgramFileVersion() {
#ifdef WENLO_BUILD
  return QStringLiteral(WENLO_BUILD);
#else
  return {};
#endif
}

QString ProgramVersionLine() {
#ifdef WENLO_VERSION
  return QCoreApplication::translate("TAboutBox", "Version %1").arg(QStringLiteral(WENLO_VERSION));
#else
  return QCoreApplication::translate("TAboutBox", "Version %1").arg(QString()).trimmed();
#endif
}

QImage AboutPicture() {
  const int w = 185;
  const int h = 164;
  QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  QRadialGradient felt(w * 0.5, h * 0.45, w * 0.75);
  felt.setColorAt(0, QColor(24, 140, 64));
  felt.setColorAt(1, QColor(6, 84, 36));
  p.fillRect(img.rect(), felt);
  // A fan of five cards: a back behind four aces.
  const int cards[5] = {53 + 2, 1, 14, 27, 40};
  for (int i = 0; i < 5; ++i) {
    const QImage card = CardWithCorners(cards[i]);
    if (card.isNull()) continue;
    p.save();
    p.translate(w / 2.0, h + 2.0);
    p.rotate(-28 + i * 14);
    p.translate(0, -80);
    // A soft shadow first, then the card.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawRoundedRect(
        QRectF(-card.width() / 2.0 + 3, -card.height() / 2.0 + 3, card.width(), card.height()), 5,
        5);
    p.drawImage(QPointF(-card.width() / 2.0, -card.height() / 2.0), card);
    p.restore();
  }
  p.end();
  return img.convertToFormat(QImage::Format_RGB32);
}

// ---------------------------------------------------------------------------
TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("About"));
  const QString notice =
      tr("Free software: share and change it\nunder the GNU General Public License,\n"
         "version 3 or later. No warranty.");
  const QString licence = QStringLiteral("GPL-3.0-or-later");

  // The text column is as wide as its longest line needs in the font in use.
  QFont bold = font();
  bold.setBold(true);
  bold.setPointSizeF(bold.pointSizeF() * 1.15);
  const QFontMetrics fm(font());
  int column =
      std::max(201, QFontMetrics(bold).horizontalAdvance("Wenlo Solitaire Collection") + 12);
  column = std::max(column, fm.horizontalAdvance(tr("Licence:") + QLatin1Char(' ') + licence) + 24);
  for (const QString& line : notice.split('\n'))
    column = std::max(column, fm.horizontalAdvance(line) + 24);
  const int extra = column - 201;
  setFixedSize(411 + extra, 237);

  auto* panel = new QFrame(this);
  panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  panel->setLineWidth(2);
  panel->setGeometry(3, 4, 405 + extra, 189);

  auto* bevel = new QFrame(panel);
  bevel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  bevel->setGeometry(6, 6, 187, 166);
  auto* icon = new QLabel(bevel);
  icon->setGeometry(1, 1, 185, 164);
  icon->setPixmap(QPixmap::fromImage(AboutPicture()));

  const int left = 197;
  auto centred = [&](const QString& text, int y) {
    auto* l = new QLabel(text, panel);
    l->setGeometry(left, y, column, 22);
    l->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    return l;
  };
  Label1 = centred("Wenlo Solitaire Collection", 12);
  Label1->setFont(bold);
  Version = centred(ProgramVersionLine(), 41);
  Label2 = centred(BuildLine(ProgramFileVersion()), 64);

  Notice = new QLabel(notice, panel);
  Notice->setGeometry(left + 4, 92, column - 12, 52);
  Notice->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

  Label3 = LinkLabel(panel, "www.gnu.org/licenses/gpl-3.0", [this] { Label3Click(); });
  Label3->setGeometry(left + 4, 146, column - 12, 18);
  Label3->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  const int licenceLabel = fm.horizontalAdvance(tr("Licence:")) + 6;
  Label4 = new QLabel(tr("Licence:"), panel);
  Label4->setGeometry(left + 4, 164, licenceLabel, 18);
  Label5 = new QLabel(licence, panel);
  Label5->setGeometry(left + 4 + licenceLabel, 164, column - 12 - licenceLabel, 18);
  Label5->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

  Button1 = new QPushButton(tr("&OK"), this);
  Button1->setGeometry((width() - 75) / 2, 204, 75, 25);
  Button1->setDefault(true);
  connect(Button1, &QPushButton::clicked, this, [this] { done(mrOk); });
}

int TAboutBox::Execute() {
  return ExecDialog(*this, mrOk);
}
