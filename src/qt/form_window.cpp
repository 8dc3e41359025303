#include "qt/form_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGraphicsDropShadowEffect>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QAbstractListModel>
#include <QItemSelectionModel>
#include <QListView>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QPushButton>
#include <QScreen>
#include <QWindow>
#include <algorithm>
#include <cmath>

#include "engine/palette.h"
#include "qt/artwork.h"
#include "qt/bar_chart_view.h"
#include "qt/dark_look.h"
#include "qt/fit_label.h"
#include "toolkit/text_encoding.h"

namespace zv {

namespace {

// Twips to pixels at the window's scale; at 1 exactly the design's pixels.
int scaled(int twips, double scale) { return static_cast<int>(twips * scale / kTwipsPerPixel); }

QColor qcolor(Color c) { return QColor(c.r, c.g, c.b); }

// Bank texts may be UTF-8 or the old Windows code page (see text_encoding.h).
QString qtext(const std::string& s)
{
    const std::string utf8 = displayText(s);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// The items of a list box, shown through a view that asks only for the rows
// on screen: a bank of 100 000 questions lists at once.
class ItemsModel : public QAbstractListModel {
public:
    explicit ItemsModel(const Control& c, QObject* parent) : QAbstractListModel(parent), control_(c) {}
    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(control_.items().size());
    }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role != Qt::DisplayRole || !index.isValid()) return {};
        return qtext(control_.items()[static_cast<std::size_t>(index.row())]);
    }
    void reset()
    {
        beginResetModel();
        endResetModel();
    }

private:
    const Control& control_;
};

// A label whose caption is two columns apart (a ladder row: the level on the
// left, the prize on the right), so that the prizes line up.
class ColumnsLabel : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent*) override
    {
        const QString caption = text();
        const qsizetype gap = caption.indexOf("  ");
        if (gap < 0) {
            QPainter p(this);
            p.setPen(palette().color(QPalette::WindowText));
            p.drawText(rect(), Qt::AlignVCenter | Qt::AlignLeft, caption);
            return;
        }
        QPainter p(this);
        p.setPen(palette().color(QPalette::WindowText));
        const QRect r = rect().adjusted(4, 0, -8, 0);
        p.drawText(r, Qt::AlignVCenter | Qt::AlignLeft, caption.left(gap));
        p.drawText(r, Qt::AlignVCenter | Qt::AlignRight, caption.mid(gap).trimmed());
    }
};

// A picture of the model: the artwork its holder names, stretched.
class PictureWidget : public QWidget {
public:
    PictureWidget(const Control& c, QWidget* parent) : QWidget(parent), control_(c) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        art::drawPicture(p, rect(), control_.form().name(), control_.picture());
    }

private:
    const Control& control_;
};

// A filled rectangle: the bars of the charts.
class ShapeWidget : public QWidget {
public:
    ShapeWidget(const Control& c, QWidget* parent) : QWidget(parent), control_(c) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), qcolor(control_.backColor()));
    }

private:
    const Control& control_;
};

class LineWidget : public QWidget {
public:
    LineWidget(const Control& c, QWidget* parent) : QWidget(parent), control_(c)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setPen(QPen(qcolor(control_.borderColor()), 1));
        const bool wide = control_.x1 != control_.x2;
        p.drawLine(0, 0, wide ? width() - 1 : 0, wide ? 0 : height() - 1);
    }

private:
    const Control& control_;
};

// A panel with an optional caption on a coloured ground.
class FrameWidget : public QWidget {
public:
    FrameWidget(const Control& c, QWidget* parent) : QWidget(parent), control_(c) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF r = QRectF(rect()).adjusted(1, 1, -1, -1);
        p.setBrush(qcolor(control_.backColor()));
        p.setPen(QPen(qcolor(palette::kGold), 1.5));
        const int captionHeight = control_.caption().empty() ? 0 : fontMetrics().height();
        p.drawRoundedRect(r.adjusted(0, captionHeight / 2.0, 0, 0), 6, 6);
        if (captionHeight) {
            const QString text = qtext(control_.caption());
            const int w = fontMetrics().horizontalAdvance(text) + 12;
            p.fillRect(QRectF(10, 0, w, captionHeight), qcolor(control_.backColor()));
            p.setPen(qcolor(control_.foreColor()));
            p.drawText(QRectF(16, 0, w, captionHeight), Qt::AlignVCenter | Qt::AlignLeft, text);
        }
    }

private:
    const Control& control_;
};

}  // namespace

FormWindow::FormWindow(App& app, Form& form, std::function<void()> afterEvent)
    : QWidget(nullptr), app_(app), form_(form), afterEvent_(std::move(afterEvent))
{
    setMouseTracking(true);
    setAttribute(Qt::WA_DeleteOnClose, false);
    if (form.style() == WindowStyle::Bare) {
        // The board's own dialogs keep their proportion to the board on a
        // larger screen than the 1024 x 768 they are laid out for.
        const double screen = std::min(app.screenWidth() / static_cast<double>(kDesignScreenWidth),
                                       app.screenHeight() / static_cast<double>(kDesignScreenHeight));
        sx_ = sy_ = std::clamp(screen, 1.0, 2.0);
    }
    // Fixed-size windows offer no maximise; the board is an ordinary window
    // that the player may also size and move (F11 leaves full screen).
    const Qt::WindowFlags fixed = Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    switch (form.style()) {
    case WindowStyle::Board: setWindowFlags(Qt::Window); break;
    case WindowStyle::Main: setWindowFlags(Qt::Window | fixed | Qt::WindowMinimizeButtonHint); break;
    case WindowStyle::Dialog: setWindowFlags(Qt::Dialog | fixed); break;
    case WindowStyle::Bare: setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint); break;
    }
    // Children are made in design order, so later controls lie on top.
    for (const auto& c : form.controls()) {
        QWidget* parent = this;
        if (Control* frame = c->container()) {
            if (frame->barChart() && c->kind() != Kind::CommandButton) continue;  // drawn by the chart
            if (auto it = views_.find(frame); it != views_.end()) parent = it->second.widget;
        }
        QWidget* w = makeWidget(*c, parent);
        if (!w) continue;
        View view;
        view.control = c.get();
        view.widget = w;
        views_[c.get()] = view;
        controlsByWidget_[w] = c.get();
        w->setMouseTracking(true);
        w->installEventFilter(this);
        for (QObject* child : w->findChildren<QObject*>()) {
            if (auto* cw = qobject_cast<QWidget*>(child)) {
                cw->setMouseTracking(true);
                cw->installEventFilter(this);
                controlsByWidget_[cw] = c.get();
            }
        }
    }
    sync();
}

QWidget* FormWindow::makeWidget(Control& c, QWidget* parent)
{
    switch (c.kind()) {
    case Kind::Label: {
        auto* l = c.columns() ? static_cast<QLabel*>(new ColumnsLabel(parent)) : new FitLabel(parent);
        l->setAttribute(Qt::WA_TranslucentBackground, c.transparent());
        if (c.textShadow()) {
            auto* shadow = new QGraphicsDropShadowEffect(l);
            shadow->setColor(QColor(0, 0, 0, 230));
            shadow->setOffset(1.2, 1.2);
            shadow->setBlurRadius(4);
            l->setGraphicsEffect(shadow);
        }
        return l;
    }
    case Kind::Image: return new PictureWidget(c, parent);
    case Kind::Shape: return new ShapeWidget(c, parent);
    case Kind::Line: return new LineWidget(c, parent);
    case Kind::Frame: {
        auto* frame = new FrameWidget(c, parent);
        if (c.barChart()) charts_[&c] = new BarChartView(c, frame);
        return frame;
    }
    case Kind::CommandButton: {
        auto* b = new QPushButton(parent);
        b->setFocusPolicy(Qt::StrongFocus);
        b->setDefault(c.isDefault());
        connect(b, &QPushButton::clicked, this, [this, &c] {
            app_.click(c);
            afterEvent_();
        });
        return b;
    }
    case Kind::OptionButton: {
        auto* b = new QRadioButton(parent);
        connect(b, &QRadioButton::clicked, this, [this, &c] {
            app_.click(c);
            afterEvent_();
        });
        return b;
    }
    case Kind::CheckBox: {
        auto* b = new QCheckBox(parent);
        connect(b, &QCheckBox::clicked, this, [this, &c] {
            app_.click(c);
            afterEvent_();
        });
        return b;
    }
    case Kind::TextBox: {
        auto* e = new QLineEdit(parent);
        connect(e, &QLineEdit::textEdited, this, [this, &c](const QString& t) {
            const QByteArray bytes = t.toUtf8();
            app_.typeText(c, std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())));
            afterEvent_();
        });
        return e;
    }
    case Kind::ComboBox: {
        auto* box = new QComboBox(parent);
        connect(box, &QComboBox::activated, this, [this, &c](int index) {
            if (index >= 0 && static_cast<std::size_t>(index) < c.items().size()) app_.typeText(c, c.items()[static_cast<std::size_t>(index)]);
            afterEvent_();
        });
        return box;
    }
    case Kind::ListBox: {
        auto* list = new QListView(parent);
        list->setUniformItemSizes(true);
        list->setModel(new ItemsModel(c, list));
        // A row picked by the pointer or the arrow keys is the player's
        // choice; one the model selects (synced below) is not.
        connect(list->selectionModel(), &QItemSelectionModel::currentChanged, this,
                [this, &c](const QModelIndex& now) {
                    if (syncing_ || !now.isValid() || now.row() == c.listIndex()) return;
                    app_.selectItem(c, now.row());
                    afterEvent_();
                });
        // A click on the row already picked picks it again (its fields were
        // cleared, say, after an Add).
        connect(list, &QAbstractItemView::clicked, this, [this, &c](const QModelIndex& at) {
            if (!at.isValid() || at.row() != c.listIndex()) return;
            app_.selectItem(c, at.row());
            afterEvent_();
        });
        return list;
    }
    case Kind::Timer: return nullptr;
    }
    return nullptr;
}

QWidget* FormWindow::widgetOf(const Control& c) const
{
    auto it = views_.find(&c);
    return it == views_.end() ? nullptr : it->second.widget;
}

Control* FormWindow::controlOf(QObject* o) const
{
    auto it = controlsByWidget_.find(o);
    return it == controlsByWidget_.end() ? nullptr : it->second;
}

Control* FormWindow::controlAt(const QPointF& global) const
{
    for (QWidget* w = childAt(mapFromGlobal(global.toPoint())); w && w != this; w = w->parentWidget())
        if (Control* c = controlOf(w)) return c;
    return nullptr;
}

bool FormWindow::eventFilter(QObject* watched, QEvent* event)
{
    Control* c = controlOf(watched);
    if (!c || syncing_) return false;
    switch (event->type()) {
    case QEvent::MouseMove: {
        // A move that a widget passes on to the frame or window under it
        // was the control's alone: each move reaches one control, once.
        if (controlAt(static_cast<QMouseEvent*>(event)->globalPosition()) != c) return false;
        // A control that takes no events lets the move through to the form.
        if (!app_.mouseMove(*c)) app_.mouseMove(form_);
        afterEvent_();
        return false;
    }
    case QEvent::MouseButtonPress: {
        auto* me = static_cast<QMouseEvent*>(event);
        if (me->button() == Qt::LeftButton && controlAt(me->globalPosition()) == c) pressed_ = c;
        return false;
    }
    case QEvent::MouseButtonRelease: {
        auto* me = static_cast<QMouseEvent*>(event);
        const bool plain = c->kind() == Kind::Label || c->kind() == Kind::Image || c->kind() == Kind::Frame ||
                           c->kind() == Kind::Shape;
        if (!plain || me->button() != Qt::LeftButton || pressed_ != c) return false;
        pressed_ = nullptr;
        // A click is a press and a release over the same control.
        if (controlAt(me->globalPosition()) == c) {
            app_.click(*c);
            afterEvent_();
        }
        return true;
    }
    case QEvent::KeyPress: {
        if (c->kind() != Kind::TextBox) return false;
        auto* ke = static_cast<QKeyEvent*>(event);
        int code = -1;
        if (ke->key() == Qt::Key_Backspace)
            code = 8;
        else if (ke->text().size() == 1 && ke->text().at(0).unicode() < 256 && ke->text().at(0).unicode() >= 32)
            code = ke->text().at(0).unicode();
        if (code < 0) return false;  // arrows, Delete and the like: no key press event
        app_.keyPress(*c, code);
        afterEvent_();
        return code == 0;  // the handler discarded the key
    }
    default: return false;
    }
}

void FormWindow::mouseMoveEvent(QMouseEvent* event)
{
    // Only the bare form: moves over controls are theirs (eventFilter).
    if (!controlAt(event->globalPosition())) {
        app_.mouseMove(form_);
        afterEvent_();
    }
    QWidget::mouseMoveEvent(event);
}

void FormWindow::closeEvent(QCloseEvent* event)
{
    // The model decides: its unload takes the window away at the next sync.
    event->ignore();
    app_.closeBox(form_);
    afterEvent_();
}

void FormWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (form_.style() != WindowStyle::Board) return;
    // The board is laid out for the screen; in a window of another size
    // every control keeps its proportion, text included.
    const double screenW = app_.screenWidth() / static_cast<double>(kTwipsPerPixel);
    const double screenH = app_.screenHeight() / static_cast<double>(kTwipsPerPixel);
    if (screenW <= 0 || screenH <= 0) return;
    const double sx = width() / screenW, sy = height() / screenH;
    if (std::abs(sx - sx_) < 1e-9 && std::abs(sy - sy_) < 1e-9) return;
    sx_ = sx;
    sy_ = sy;
    relayout();
}

void FormWindow::relayout()
{
    syncing_ = true;
    for (auto& [c, view] : views_) {
        view.left = view.top = view.width = view.height = -1;
        view.fontSize = -1;
        syncView(view);
    }
    keepPanelsApart();
    syncing_ = false;
    update();
}

double FormWindow::textScale() const
{
    // A form laid out for the screen draws its design fonts scaled with it;
    // the board's dialogs grow with the board; the others draw the model's
    // sizes.
    if (form_.style() == WindowStyle::Bare) return sx_;
    if (!form_.scaledToScreen()) return 1;
    return std::min(app_.screenWidth() / static_cast<double>(kDesignScreenWidth) * sx_,
                    app_.screenHeight() / static_cast<double>(kDesignScreenHeight) * sy_);
}

void FormWindow::toggleFullScreen()
{
    if (isFullScreen()) {
        // An ordinary window, three quarters of the screen, centred.
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        showNormal();
        const QSize size(screen.width() * 3 / 4, screen.height() * 3 / 4);
        resize(size);
        move(screen.center() - QPoint(size.width() / 2, size.height() / 2));
    } else {
        showFullScreen();
    }
}

void FormWindow::paintEvent(QPaintEvent*)
{
    if (!painted_) {
        painted_ = true;
        if (onFirstPaint_) onFirstPaint_(form_);
    }
    QPainter p(this);
    if (form_.style() == WindowStyle::Board) {
        art::drawStage(p, rect());
        return;
    }
    p.fillRect(rect(), qcolor(form_.backColor()));
    if (form_.style() == WindowStyle::Dialog || form_.style() == WindowStyle::Bare) {
        // Dialogs stand out from the board behind them with a golden rim.
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(qcolor(palette::kGold), 2));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 6, 6);
    }
}

void FormWindow::placeWindow()
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    if (form_.style() == WindowStyle::Board) {
        setGeometry(screen);
        return;
    }
    const QSize size(scaled(form_.width(), sx_), scaled(form_.height(), sy_));
    setFixedSize(size);
    QPoint at = screen.center() - QPoint(size.width() / 2, size.height() / 2);
    // The game's own dialogs sit in the open space above the question, so
    // that the question and its options stay in view.
    if (form_.style() == WindowStyle::Bare) at.setY(screen.top() + screen.height() / 10);
    move(at);
}

void FormWindow::sync()
{
    syncing_ = true;
    setWindowTitle(qtext(form_.caption()));
    for (auto& [c, view] : views_) syncView(view);
    keepPanelsApart();
    const double scale = textScale();
    for (auto& [frame, chart] : charts_) chart->refresh(scale);
    if (form_.visible()) {
        if (!placed_) {
            placeWindow();
            placed_ = true;
        }
        if (!isVisible()) {
            if (form_.style() == WindowStyle::Board)
                showFullScreen();
            else
                show();
        }
        if (shownCount_ != form_.showCount()) {
            const bool first = shownCount_ == 0;
            shownCount_ = form_.showCount();
            raise();
            // A window the player opens takes the keyboard; one that is only
            // brought to the front again leaves it where it is.
            if (first) activateWindow();
        }
    } else if (isVisible()) {
        hide();
    }
    syncing_ = false;
}

void FormWindow::keepPanelsApart()
{
    // Two panels shown side by side never cover each other: a later one
    // that would cover the edge of an earlier one is drawn just beside it.
    // A panel laid over another on purpose (the Rules' pages) stays.
    std::vector<QWidget*> shown;
    for (const auto& c : form_.controls()) {
        if (c->kind() != Kind::Frame || c->container()) continue;
        auto it = views_.find(c.get());
        if (it == views_.end() || !c->visible()) continue;
        QWidget* w = it->second.widget;
        QRect r(scaled(c->left(), sx_), scaled(c->top(), sy_), w->width(), w->height());
        for (QWidget* earlier : shown) {
            const QRect overlap = earlier->geometry().intersected(r);
            if (!overlap.isEmpty() && overlap.width() < r.width() / 4)
                r.moveLeft(earlier->geometry().right() + 1 + r.width() / 40);
        }
        if (r.topLeft() != w->pos()) w->move(r.topLeft());
        shown.push_back(w);
    }
}

void FormWindow::syncView(View& v)
{
    Control& c = *v.control;
    QWidget* w = v.widget;
    bool repaint = false;

    if (c.kind() == Kind::Line) {
        const int x0 = std::min(c.x1, c.x2), y0 = std::min(c.y1, c.y2);
        w->setGeometry(scaled(x0, sx_), scaled(y0, sy_), scaled(std::abs(c.x2 - c.x1), sx_) + 1,
                       scaled(std::abs(c.y2 - c.y1), sy_) + 1);
    } else if (c.left() != v.left || c.top() != v.top || c.width() != v.width || c.height() != v.height) {
        v.left = c.left();
        v.top = c.top();
        v.width = c.width();
        v.height = c.height();
        w->setGeometry(scaled(v.left, sx_), scaled(v.top, sy_), std::max(0, scaled(v.width, sx_)),
                       std::max(0, scaled(v.height, sy_)));
        if (auto it = charts_.find(&c); it != charts_.end()) {
            // The chart fills the frame down to its buttons.
            int bottom = w->height();
            for (const auto& other : form_.controls())
                if (other->container() == &c && other->kind() == Kind::CommandButton)
                    bottom = std::min(bottom, scaled(other->top(), sy_) - 2);
            const int rim = 5;  // inside the frame's rounded rim
            // Below the frame's title, where it has one.
            const int top = c.caption().empty() ? rim : w->fontMetrics().height() + 2;
            it->second->setGeometry(rim, top, std::max(0, w->width() - 2 * rim), std::max(0, bottom - top - rim));
        }
    }
    if (static_cast<int>(c.visible()) != v.visible) {
        v.visible = c.visible();
        w->setVisible(c.visible());
    }
    const bool enabledChanged = static_cast<int>(c.enabled()) != v.enabled;
    v.enabled = c.enabled();
    const double pt = (form_.scaledToScreen() ? c.designFontSize() : c.fontSize()) * textScale();
    if (pt != v.fontSize || c.fontSize() != v.modelFontSize) {
        v.fontSize = pt;
        v.modelFontSize = c.fontSize();
        QFont f(qtext(c.fontName()));
        f.setPointSizeF(std::max(1.0, pt));
        f.setBold(c.fontBold());
        w->setFont(f);
    }
    if (c.toolTipText() != v.tip) {
        v.tip = c.toolTipText();
        w->setToolTip(wrappedTip(qtext(v.tip)));
    }
    const bool colours = c.foreColor() != v.fore || c.backColor() != v.back || enabledChanged;
    v.fore = c.foreColor();
    v.back = c.backColor();

    switch (c.kind()) {
    case Kind::Label: {
        auto* l = static_cast<QLabel*>(w);
        if (c.caption() != v.caption) {
            v.caption = c.caption();
            l->setText(qtext(v.caption));
            l->setWordWrap(c.wordWrap());
            Qt::Alignment a = c.alignment() == Align::Center ? Qt::AlignHCenter
                              : c.alignment() == Align::Right ? Qt::AlignRight : Qt::AlignLeft;
            l->setAlignment(a | Qt::AlignVCenter);
            l->setTextFormat(Qt::PlainText);
        }
        if (colours) {
            // A disabled label is drawn dimmed; it still shows its colour.
            QColor fore = qcolor(c.foreColor());
            if (!c.enabled()) fore = fore.darker(220);
            QPalette pal = l->palette();
            pal.setColor(QPalette::WindowText, fore);
            pal.setColor(QPalette::Window, qcolor(c.backColor()));
            l->setPalette(pal);
            l->setAutoFillBackground(!c.transparent());
        }
        break;
    }
    case Kind::Image:
        if (c.picture() != v.picture) {
            v.picture = c.picture();
            repaint = true;
        }
        break;
    case Kind::Shape:
    case Kind::Frame:
        if (colours || c.caption() != v.caption) {
            v.caption = c.caption();
            repaint = true;
        }
        break;
    case Kind::CommandButton: {
        auto* b = static_cast<QPushButton*>(w);
        if (c.caption() != v.caption) b->setText(qtext(v.caption = c.caption()));
        if (enabledChanged) b->setEnabled(c.enabled());
        break;
    }
    case Kind::OptionButton:
    case Kind::CheckBox: {
        auto* b = static_cast<QAbstractButton*>(w);
        if (c.caption() != v.caption) b->setText(qtext(v.caption = c.caption()));
        if (c.value() != v.value || b->isChecked() != (c.value() != 0)) {
            v.value = c.value();
            b->setAutoExclusive(false);
            b->setChecked(c.value() != 0);
            b->setAutoExclusive(c.kind() == Kind::OptionButton);
        }
        if (enabledChanged) b->setEnabled(c.enabled());
        if (colours) {
            const Color f = c.foreColor(), k = c.backColor();
            const QString fore = QString("rgb(%1,%2,%3)").arg(f.r).arg(f.g).arg(f.b);
            const QString back = QString("rgb(%1,%2,%3)").arg(k.r).arg(k.g).arg(k.b);
            // The style's own indicators are drawn dark and vanish on the
            // dark panels: rings and boxes in the text's colour instead,
            // filled when chosen.
            const bool round = c.kind() == Kind::OptionButton;
            b->setStyleSheet(QString("%1 { color: %2; background: %3; }"
                                     "%1::indicator { width: 10px; height: 10px; border: 2px solid %2;"
                                     " border-radius: %4; background: %3; }"
                                     "%1::indicator:checked { background: qradialgradient(cx:0.5, cy:0.5,"
                                     " radius:0.5, fx:0.5, fy:0.5, stop:0 %2, stop:0.55 %2, stop:0.65 %3); }"
                                     "%1::indicator:disabled { border-color: gray; }"
                                     "%1:focus { border: 1px dotted %2; }")
                                 .arg(round ? "QRadioButton" : "QCheckBox", fore, back, round ? "7px" : "2px"));
        }
        break;
    }
    case Kind::TextBox: {
        auto* e = static_cast<QLineEdit*>(w);
        if (c.text() != v.text) {
            v.text = c.text();
            if (e->text() != qtext(v.text)) e->setText(qtext(v.text));
        }
        if (enabledChanged) e->setEnabled(c.enabled());
        break;
    }
    case Kind::ComboBox: {
        auto* box = static_cast<QComboBox*>(w);
        if (c.itemsVersion() != v.items) {
            v.items = c.itemsVersion();
            box->clear();
            for (const auto& item : c.items()) box->addItem(qtext(item));
            v.listIndex = -2;
        }
        if (c.listIndex() != v.listIndex) {
            v.listIndex = c.listIndex();
            box->setCurrentIndex(v.listIndex);
        }
        if (enabledChanged) box->setEnabled(c.enabled());
        break;
    }
    case Kind::ListBox: {
        auto* list = static_cast<QListView*>(w);
        if (c.itemsVersion() != v.items) {
            v.items = c.itemsVersion();
            static_cast<ItemsModel*>(list->model())->reset();
            v.listIndex = -2;
        }
        if (c.listIndex() != v.listIndex) {
            // The row the model picked, in view.
            v.listIndex = c.listIndex();
            const QModelIndex row = list->model()->index(v.listIndex, 0);
            if (list->currentIndex() != row)
                list->selectionModel()->setCurrentIndex(row, QItemSelectionModel::ClearAndSelect);
            // Scrolled only when out of sight: a row under the pointer stays there.
            if (row.isValid()) list->scrollTo(row, QAbstractItemView::EnsureVisible);
        }
        if (enabledChanged) list->setEnabled(c.enabled());
        break;
    }
    case Kind::Line:
    case Kind::Timer: break;
    }
    // The focus moves where a handler puts it, once: afterwards it stays
    // where the player moves it with Tab or the pointer.
    if (form_.focus() == &c && focusRequests_ != form_.focusRequests() && form_.visible()) {
        focusRequests_ = form_.focusRequests();
        w->setFocus();
    }
    if (repaint) w->update();
}

}  // namespace zv
