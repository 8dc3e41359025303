#include "qt/dark_look.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>
#include <algorithm>

#include "engine/palette.h"

namespace zv {

namespace {
// The tool tip's line: about as long as a line of a book.
constexpr int kTipLine = 60;
// Room beside a title for the window's own buttons and frame.
constexpr int kTitleRoom = 160;
}  // namespace

static QString css(Color c) { return QString("rgb(%1,%2,%3)").arg(c.r).arg(c.g).arg(c.b); }

QString darkStyleSheet()
{
    // The game's own colours come from its palette; the shades between are
    // the dark look's.
    QString sheet = QStringLiteral(
        "QPushButton { color: rgb(255,192,128); background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
        " stop:0 rgb(44,36,92), stop:1 rgb(20,16,48)); border: 1px solid rgb(236,178,52); border-radius: 4px;"
        " padding: 2px 10px; }"
        "QPushButton:hover { background: rgb(60,50,120); }"
        "QPushButton:pressed { background: rgb(12,10,30); }"
        "QPushButton:focus { border: 2px solid rgb(255,236,140); color: rgb(255,236,200); }"
        "QPushButton:disabled { color: rgb(120,120,120); border-color: rgb(90,90,90); }"
        "QLineEdit, QComboBox { color: rgb(255,240,220); background: rgb(16,14,34); border: 1px solid rgb(150,120,60);"
        " border-radius: 3px; padding: 1px 4px; selection-background-color: rgb(255,110,0); }"
        "QLineEdit:focus, QComboBox:focus { border: 2px solid rgb(255,236,140); }"
        "QComboBox QAbstractItemView { color: rgb(255,240,220); background: rgb(16,14,34);"
        " selection-background-color: rgb(255,110,0); }"
        "QListView { color: rgb(255,192,128); background: rgb(8,8,22); border: 1px solid rgb(150,120,60);"
        " selection-background-color: rgb(255,110,0); selection-color: black; }"
        "QListView:focus { border: 2px solid rgb(255,236,140); }"
        "QScrollBar:vertical { background: rgb(16,14,34); width: 12px; }"
        "QScrollBar::handle:vertical { background: rgb(150,120,60); min-height: 24px; border-radius: 4px; }"
        "QRadioButton:focus, QCheckBox:focus { outline: none; border: 1px dotted rgb(255,236,140); }"
        "QToolTip { color: rgb(30,20,0); background: rgb(255,240,200); border: 1px solid rgb(236,178,52);"
        " padding: 3px; }"
        "QDialog#zarvanaMessage { background: rgb(8,8,22); border: 2px solid rgb(236,178,52); }"
        "QDialog#zarvanaMessage QLabel { color: rgb(255,192,128); font-size: 11pt; }");
    sheet.replace("rgb(236,178,52)", css(palette::kGold));
    sheet.replace("rgb(255,192,128)", css(palette::kText));
    sheet.replace("rgb(255,110,0)", css(palette::kOrange));
    return sheet;
}

void showMessage(QWidget* parent, const QString& title, const QString& text)
{
    QDialog box(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    box.setObjectName("zarvanaMessage");
    box.setWindowTitle(title);
    auto* layout = new QVBoxLayout(&box);
    layout->setContentsMargins(24, 20, 24, 16);
    layout->setSpacing(16);
    auto* label = new QLabel(text, &box);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(label);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &box);
    buttons->setCenterButtons(true);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
    layout->addWidget(buttons);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    buttons->button(QDialogButtonBox::Ok)->setIcon(QIcon());
    layout->setSizeConstraint(QLayout::SetFixedSize);
    buttons->button(QDialogButtonBox::Ok)->setFocus();
    // Wide enough for the whole title, and for a short text on one line.
    const int titleWidth = QFontMetrics(box.font()).horizontalAdvance(title) + kTitleRoom;
    const int textWidth = std::min(QFontMetrics(label->font()).horizontalAdvance(text) + 48, 480);
    label->setMinimumWidth(std::max({300, titleWidth, textWidth}) - 48);
    box.setModal(true);
    box.exec();
}

QString wrappedTip(const QString& tip)
{
    if (tip.size() <= kTipLine) return tip;
    QStringList lines;
    QString line;
    for (const QString& word : tip.split(' ', Qt::SkipEmptyParts)) {
        if (!line.isEmpty() && line.size() + 1 + word.size() > kTipLine) {
            lines << line;
            line.clear();
        }
        line += (line.isEmpty() ? "" : " ") + word;
    }
    if (!line.isEmpty()) lines << line;
    return lines.join('\n');
}

}  // namespace zv
