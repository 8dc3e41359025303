#include "qt/artwork.h"

#include <QIcon>
#include <QLinearGradient>
#include <QPixmap>
#include <QPainterPath>
#include <QRadialGradient>
#include <map>

#include "engine/ladder.h"
#include "engine/palette.h"

namespace zv::art {

namespace {

QColor qcolor(Color c) { return QColor(c.r, c.g, c.b); }

const QColor kGold = qcolor(palette::kGold);
const QColor kSilver(190, 200, 220);

// The long six-sided capsule of a question or an option, with the rail that
// runs out to both edges.
QPainterPath capsulePath(const QRectF& r)
{
    const qreal tip = r.height() * 0.45;
    QPainterPath path;
    path.moveTo(r.left() + tip, r.top());
    path.lineTo(r.right() - tip, r.top());
    path.lineTo(r.right(), r.center().y());
    path.lineTo(r.right() - tip, r.bottom());
    path.lineTo(r.left() + tip, r.bottom());
    path.lineTo(r.left(), r.center().y());
    path.closeSubpath();
    return path;
}

void drawCapsule(QPainter& p, const QRect& outer, QColor top, QColor bottom, QColor rim)
{
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(outer).adjusted(2, 3, -2, -3);
    // The rail behind the capsule.
    p.setPen(QPen(rim, 1.5));
    p.drawLine(QPointF(outer.left(), r.center().y()), QPointF(outer.right(), r.center().y()));
    QLinearGradient fill(r.topLeft(), r.bottomLeft());
    fill.setColorAt(0.0, top);
    fill.setColorAt(0.5, bottom);
    fill.setColorAt(1.0, top.darker(140));
    QPainterPath path = capsulePath(r.adjusted(6, 0, -6, 0));
    p.setBrush(fill);
    p.setPen(QPen(rim, 2.6));
    p.drawPath(path);
    // A thin highlight along the top edge.
    p.setPen(QPen(QColor(255, 255, 255, 50), 1));
    p.drawLine(QPointF(r.left() + r.height() * 0.5 + 6, r.top() + 3), QPointF(r.right() - r.height() * 0.5 - 6, r.top() + 3));
}

void drawLifelineBase(QPainter& p, const QRectF& r)
{
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient g(r.center(), r.width() / 1.6);
    g.setColorAt(0.0, QColor(40, 70, 170));
    g.setColorAt(1.0, QColor(6, 12, 50));
    p.setBrush(g);
    p.setPen(QPen(kSilver, 2));
    p.drawEllipse(r);
}

void drawSpentCross(QPainter& p, const QRectF& r)
{
    p.setPen(QPen(QColor(220, 30, 30), qMax<qreal>(3, r.height() / 9), Qt::SolidLine, Qt::RoundCap));
    const QRectF x = r.adjusted(r.width() * 0.22, r.height() * 0.12, -r.width() * 0.22, -r.height() * 0.12);
    p.drawLine(x.topLeft(), x.bottomRight());
    p.drawLine(x.topRight(), x.bottomLeft());
}

void drawFiftyFifty(QPainter& p, const QRectF& r)
{
    drawLifelineBase(p, r);
    QFont f("Arial");
    f.setBold(true);
    f.setPixelSize(qMax(8, static_cast<int>(r.height() * 0.42)));
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(r, Qt::AlignCenter, "50:50");
}

void drawPhone(QPainter& p, const QRectF& r)
{
    drawLifelineBase(p, r);
    // A telephone, the sign every player knows.
    QFont f("DejaVu Sans");
    f.setPixelSize(qMax(8, static_cast<int>(r.height() * 0.62)));
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(r, Qt::AlignCenter, QString(QChar(0x260E)));
}

void drawAudience(QPainter& p, const QRectF& r)
{
    drawLifelineBase(p, r);
    // Four bars of a poll.
    const qreal h = r.height() * 0.5, w = r.width() * 0.08;
    const qreal base = r.center().y() + h / 2;
    const qreal heights[] = {0.45, 1.0, 0.3, 0.6};
    qreal x = r.center().x() - w * 2.6;
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    for (qreal k : heights) {
        p.drawRect(QRectF(x, base - h * k, w, h * k));
        x += w * 1.4;
    }
}

void drawEmblem(QPainter& p, const QRectF& r)
{
    p.setRenderHint(QPainter::Antialiasing);
    const qreal d = qMin(r.width(), r.height());
    const QRectF c(r.center().x() - d / 2 + 2, r.center().y() - d / 2 + 2, d - 4, d - 4);
    QRadialGradient g(c.center(), d / 2);
    g.setColorAt(0.0, QColor(60, 40, 140));
    g.setColorAt(0.8, QColor(15, 8, 50));
    g.setColorAt(1.0, QColor(5, 0, 20));
    p.setBrush(g);
    p.setPen(QPen(kGold, 3));
    p.drawEllipse(c);
    p.setPen(QPen(kGold, 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c.adjusted(6, 6, -6, -6));
    QFont f("Arial");
    f.setBold(true);
    f.setPixelSize(qMax(8, static_cast<int>(d * 0.42)));
    p.setFont(f);
    p.setPen(kGold);
    p.drawText(c, Qt::AlignCenter, "Z");
}

void drawDialogPicture(QPainter& p, const QRectF& r)
{
    // The host's microphone under a spotlight.
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient g(r.center(), r.width() / 1.5);
    g.setColorAt(0.0, QColor(70, 60, 160));
    g.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.setBrush(g);
    p.setPen(Qt::NoPen);
    p.drawEllipse(r);
    const qreal s = qMin(r.width(), r.height());
    const QPointF c = r.center();
    p.setBrush(kSilver);
    p.drawRoundedRect(QRectF(c.x() - s * 0.14, c.y() - s * 0.38, s * 0.28, s * 0.42), s * 0.14, s * 0.14);
    p.setPen(QPen(kSilver, qMax<qreal>(2, s * 0.05)));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(c.x() - s * 0.24, c.y() - s * 0.2, s * 0.48, s * 0.4), 180 * 16, 180 * 16);
    p.drawLine(QPointF(c.x(), c.y() + s * 0.2), QPointF(c.x(), c.y() + s * 0.36));
    p.drawLine(QPointF(c.x() - s * 0.14, c.y() + s * 0.36), QPointF(c.x() + s * 0.14, c.y() + s * 0.36));
}

void drawBanner(QPainter& p, const QRectF& r)
{
    // The title of the main menu under a spotlight, with the emblem.
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient glow(QPointF(r.center().x(), r.bottom()), r.width() * 0.6);
    glow.setColorAt(0.0, QColor(70, 40, 150, 200));
    glow.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.fillRect(r, glow);
    const qreal d = r.height() * 0.7;
    drawEmblem(p, QRectF(r.left() + r.width() * 0.06, r.center().y() - d / 2, d, d));
    QFont f("Arial");
    f.setBold(true);
    f.setPixelSize(static_cast<int>(r.height() * 0.36));
    f.setLetterSpacing(QFont::PercentageSpacing, 112);
    p.setFont(f);
    QLinearGradient gold(r.topLeft(), r.bottomLeft());
    gold.setColorAt(0.0, QColor(255, 226, 140));
    gold.setColorAt(1.0, QColor(210, 140, 20));
    p.setPen(QPen(QBrush(gold), 1));
    const QRectF text(r.left() + r.width() * 0.06 + d + 12, r.top(), r.width() * 0.7, r.height());
    p.drawText(text, Qt::AlignVCenter | Qt::AlignLeft, "ZARVANA");
}

void drawLadderStrip(QPainter& p, const QRectF& r)
{
    // A row of lit steps: the ladder climbed to the top prize.
    p.setRenderHint(QPainter::Antialiasing);
    const int steps = kTopLevel;
    const qreal w = r.width() / (steps + 2);
    for (int i = 0; i < steps; ++i) {
        const qreal h = r.height() * (0.2 + 0.6 * i / (steps - 1));
        QRectF bar(r.left() + w * (i + 1) + 2, r.bottom() - h - 4, w - 4, h);
        const int level = i + 1;
        QColor c = level == kTopLevel        ? kGold
                   : isGuaranteePoint(level) ? qcolor(palette::kWhite)
                                             : qcolor(palette::kOrange);
        c.setAlpha(90 + 10 * i);
        p.setBrush(c);
        p.setPen(Qt::NoPen);
        p.drawRoundedRect(bar, 2, 2);
    }
}

void drawPrizeBreakUp(QPainter& p, const QRectF& r)
{
    // The money ladder as a table: level and prize, the guarantee points lit.
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(6, 10, 40));
    p.setPen(QPen(kGold, 2));
    p.drawRoundedRect(r.adjusted(1, 1, -1, -1), 8, 8);
    const qreal rowH = (r.height() - 16) / static_cast<qreal>(kTopLevel);
    QFont f("Arial");
    f.setBold(true);
    f.setPixelSize(qMax(8, static_cast<int>(rowH * 0.55)));
    p.setFont(f);
    for (int level = kTopLevel; level >= 1; --level) {
        const QRectF row(r.left() + 12, r.top() + 8 + (kTopLevel - level) * rowH, r.width() - 24, rowH);
        const bool guarantee = isGuaranteePoint(level);
        if (guarantee) {
            p.setPen(Qt::NoPen);
            QColor band = qcolor(palette::kOrange);
            band.setAlpha(60);
            p.setBrush(band);
            p.drawRoundedRect(row.adjusted(0, 1, 0, -1), 4, 4);
        }
        p.setPen(guarantee ? qcolor(palette::kWhite) : QColor(255, 150, 40));
        p.drawText(row.adjusted(8, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, QString::number(level));
        p.drawText(row.adjusted(0, 0, -8, 0), Qt::AlignVCenter | Qt::AlignRight,
                   QString("Rs. ") + QString::fromStdString(groupedRupees(ladder(level).prize)));
    }
}

enum class Art { None, Banner, LadderStrip, PrizeBreakUp, Emblem2, Black, Yellow, Orange, Green, Fifty, Phone, Audience, FiftySpent, PhoneSpent, AudienceSpent,
                 QuestionPanel, Emblem, Dialog };

Art artOf(const std::string& form, const std::string& picture)
{
    static const std::map<std::string, Art> board{
        {"ImgBlack", Art::Black},   {"ImgA", Art::Black},          {"ImgB", Art::Black},
        {"ImgC", Art::Black},       {"ImgD", Art::Black},          {"ImgYellow", Art::Yellow},
        {"ImgOrange", Art::Orange}, {"ImgGreen", Art::Green},      {"Image1", Art::Fifty},
        {"Image9", Art::Fifty},     {"Image2", Art::Phone},        {"Image10", Art::Phone},
        {"Image3", Art::Audience},  {"Image11", Art::Audience},    {"Image4", Art::FiftySpent},
        {"Image7", Art::PhoneSpent}, {"Image8", Art::AudienceSpent}, {"Image5", Art::QuestionPanel},
        {"Image12", Art::Emblem},
    };
    if (form == "Game") {
        auto it = board.find(picture);
        return it == board.end() ? Art::None : it->second;
    }
    if (form == "Main") return picture == "Image1" ? Art::Banner : (picture == "Image2" ? Art::LadderStrip : Art::None);
    if (form == "Rules") return picture == "Image1" ? Art::PrizeBreakUp : Art::None;
    if (form == "About") return picture == "Image1" ? Art::Emblem2 : Art::None;
    if (picture == "Image1") return Art::Dialog;
    return Art::None;
}

}  // namespace

void drawPicture(QPainter& p, const QRect& r, const std::string& form, const std::string& picture)
{
    p.save();
    const QRectF rf(r);
    switch (artOf(form, picture)) {
    case Art::None: break;
    case Art::Banner: drawBanner(p, rf); break;
    case Art::LadderStrip: drawLadderStrip(p, rf); break;
    case Art::PrizeBreakUp: drawPrizeBreakUp(p, rf); break;
    case Art::Emblem2: drawEmblem(p, rf); break;
    case Art::Black: drawCapsule(p, r, QColor(20, 30, 80), QColor(2, 4, 24), kSilver); break;
    // Lit capsules keep a deep fill, so that the orange text reads on them.
    case Art::Yellow: drawCapsule(p, r, QColor(150, 120, 10), QColor(70, 52, 0), QColor(255, 230, 60)); break;
    case Art::Orange: drawCapsule(p, r, QColor(150, 70, 0), QColor(70, 28, 0), QColor(255, 150, 40)); break;
    case Art::Green: drawCapsule(p, r, QColor(20, 140, 40), QColor(0, 60, 12), QColor(120, 255, 120)); break;
    case Art::QuestionPanel: drawCapsule(p, r, QColor(22, 32, 90), QColor(2, 4, 26), kSilver); break;
    case Art::Fifty: drawFiftyFifty(p, rf.adjusted(1, 1, -1, -1)); break;
    case Art::Phone: drawPhone(p, rf.adjusted(1, 1, -1, -1)); break;
    case Art::Audience: drawAudience(p, rf.adjusted(1, 1, -1, -1)); break;
    case Art::FiftySpent:
        drawFiftyFifty(p, rf.adjusted(1, 1, -1, -1));
        drawSpentCross(p, rf);
        break;
    case Art::PhoneSpent:
        drawPhone(p, rf.adjusted(1, 1, -1, -1));
        drawSpentCross(p, rf);
        break;
    case Art::AudienceSpent:
        drawAudience(p, rf.adjusted(1, 1, -1, -1));
        drawSpentCross(p, rf);
        break;
    case Art::Emblem: drawEmblem(p, rf); break;
    case Art::Dialog: drawDialogPicture(p, rf); break;
    }
    p.restore();
}

QIcon programIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        drawEmblem(p, QRectF(0, 0, size, size));
        icon.addPixmap(pixmap);
    }
    return icon;
}

void drawStage(QPainter& p, const QRect& r)
{
    p.fillRect(r, Qt::black);
    // Two faint spotlights on the floor of the set.
    QRadialGradient spot(QPointF(r.width() * 0.5, r.height() * 1.05), r.width() * 0.6);
    spot.setColorAt(0.0, QColor(40, 20, 90, 120));
    spot.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.fillRect(r, spot);
}

}  // namespace zv::art
