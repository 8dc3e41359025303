#include "qt/fit_label.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStringList>

namespace zv {

namespace {

// Smaller than this share of the design size, text stops being readable at
// a glance; from there on the caption is cut instead.
constexpr double kSmallestShare = 0.6;

bool fits(const QFont& font, const QRect& box, int flags, const QString& text)
{
    const QRect needed = QFontMetrics(font).boundingRect(box, flags, text);
    return needed.width() <= box.width() && needed.height() <= box.height();
}

}  // namespace

void FitLabel::fit()
{
    const QRect box = contentsRect();
    const int flags = static_cast<int>(alignment()) | (wordWrap() ? Qt::TextWordWrap : 0);
    QFont font = this->font();
    const double design = font.pointSizeF();
    QString shown = text();
    for (double pt = design; pt >= design * kSmallestShare; pt -= 0.5) {
        font.setPointSizeF(pt);
        if (fits(font, box, flags, shown)) {
            fitted_ = {text(), shown, size(), this->font(), font, wordWrap()};
            return;
        }
    }
    // Still too long at the smallest size: words go from the end.
    if (wordWrap()) {
        QStringList words = shown.split(' ');
        while (words.size() > 1) {
            words.removeLast();
            shown = words.join(' ') + QChar(0x2026);
            if (fits(font, box, flags, shown)) break;
        }
    }
    if (!fits(font, box, flags, shown))
        shown = QFontMetrics(font).elidedText(shown, Qt::ElideRight, box.width());
    fitted_ = {text(), shown, size(), this->font(), font, wordWrap()};
}

void FitLabel::fitIfChanged()
{
    if (fitted_.text != text() || fitted_.size != size() || fitted_.base != font() || fitted_.wrap != wordWrap())
        fit();
}

QString FitLabel::shownText()
{
    fitIfChanged();
    return fitted_.shown;
}

QFont FitLabel::shownFont()
{
    fitIfChanged();
    return fitted_.font;
}

void FitLabel::paintEvent(QPaintEvent*)
{
    fitIfChanged();
    QPainter p(this);
    p.setPen(palette().color(QPalette::WindowText));
    p.setFont(fitted_.font);
    const int flags = static_cast<int>(alignment()) | (wordWrap() ? Qt::TextWordWrap : 0);
    p.drawText(contentsRect(), flags, fitted_.shown);
}

}  // namespace zv
