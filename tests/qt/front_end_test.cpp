// The Qt front end draws the model's forms and passes the player's clicks,
// moves and keys to the right window and control: the board in a window of
// another size, long texts fitted, the charts and the panels, pages opened
// in the system's browser. Runs on Qt's offscreen platform.

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFontMetrics>
#include <QLabel>
#include <QTest>
#include <QUrl>
#include <fstream>

#include "engine/game.h"
#include "qt/bar_chart_view.h"
#include "qt/fit_label.h"
#include "qt/form_window.h"
#include "qt/qt_front_end.h"
#include "support/test_folder.h"

namespace zv {
namespace {

// The game on a bank of one question a level, its board open.
struct OpenBoard {
    OpenBoard() : fe(dir.path())
    {
        dir.write("imp.zrv", test::ladderBank());
        fe.start();
        QTest::keyClick(fe.windowOf("Main"), Qt::Key_P);
        board = fe.windowOf("Game");
    }
    Game& game() { return *fe.app().findAs<Game>(); }
    test::TestFolder dir;
    QtFrontEnd fe;
    FormWindow* board = nullptr;
};

// Takes the address the front end asks the system to open.
class UrlCatcher : public QObject {
    Q_OBJECT

public slots:
    void open(const QUrl& url) { opened = url; }

public:
    QUrl opened;
};

class QtFrontEndTest : public QObject {
    Q_OBJECT

private slots:
    void theHelpPageOpensFromAFolderNamedInAnyScript()
    {
        // The folder's name goes from the standard library to Qt whole, on
        // Windows too, where a narrow string is in the system's code page.
        test::TestFolder dir;
        const std::filesystem::path folder = dir.path() / std::filesystem::path(u"Zarvana \u0916\u0947\u0932 Caf\u00e9");
        std::filesystem::create_directories(folder);
        std::ofstream(folder / "help.html") << "<html></html>";
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler("file", &catcher, "open");
        QtFrontEnd fe(folder);
        fe.openUrl("help.html");
        QDesktopServices::unsetUrlHandler("file");
        const QString base = QDir::fromNativeSeparators(QString::fromStdU16String(dir.path().u16string()));
        QCOMPARE(catcher.opened.toLocalFile(), base + QString::fromUtf16(u"/Zarvana \u0916\u0947\u0932 Caf\u00e9/help.html"));
    }

    void theBoardIsDrawnAndStartShowsAQuestion()
    {
        test::TestFolder dir;
        dir.write("imp.zrv", test::crlf({test::record(1, "Which is the first level; really?", "C", "1")}));
        QtFrontEnd fe(dir.path());
        fe.start();
        FormWindow* menu = fe.windowOf("Main");
        QVERIFY(menu);
        QTest::mouseClick(menu->widgetOf(menu->form().ctl("Label1")), Qt::LeftButton);
        FormWindow* board = fe.windowOf("Game");
        QVERIFY(board);
        QVERIFY(board->isVisible());
        Game& game = *fe.app().findAs<Game>();
        auto* start = qobject_cast<QLabel*>(board->widgetOf(game.lblStart));
        QVERIFY(start);
        QCOMPARE(start->text(), QString("Start"));
        QVERIFY(start->isVisible());

        QTest::mouseClick(start, Qt::LeftButton);
        auto* question = qobject_cast<QLabel*>(board->widgetOf(game.lblQuestion));
        QCOMPARE(question->text(), QString("Which is the first level, really?"));
        QVERIFY(!start->isVisible());
        auto* total = qobject_cast<QLabel*>(board->widgetOf(game.lblTotal));
        QCOMPARE(total->text(), QString("0"));
        // A ladder row takes the colour of the model.
        auto* row = qobject_cast<QLabel*>(board->widgetOf(*game.Label1[0]));
        QCOMPARE(row->palette().color(QPalette::WindowText), QColor(255, 255, 255));
        // Twips become pixels at 15 to one.
        QCOMPARE(board->widgetOf(game.Image9)->geometry(),
                 QRect(game.Image9.left() / 15, game.Image9.top() / 15, game.Image9.width() / 15,
                       game.Image9.height() / 15));
    }

    void aClickOnADisabledControlDoesNothing()
    {
        OpenBoard open;
        QTest::mouseClick(open.board->widgetOf(open.game().lblA), Qt::LeftButton);
        QCOMPARE(open.fe.app().loadedForms().size(), std::size_t{3});
        QCOMPARE(QString::fromStdString(open.board->form().name()), QString("Game"));
    }
    void aMoveOverALabelLightsItAndIsNotUndoneByTheFormBehind()
    {
        test::TestFolder dir;
        QtFrontEnd fe(dir.path());
        fe.start();
        FormWindow* menu = fe.windowOf("Main");
        auto& main = menu->form();
        QTest::mouseMove(menu->widgetOf(main.ctl("Label5")));
        QCOMPARE(main.vars().get("HoverOptions", std::nullopt).value_or(""), std::string("True"));
        QTest::mouseMove(menu->widgetOf(main.ctl("Image2")));
        QCOMPARE(main.vars().get("HoverOptions", std::nullopt).value_or(""), std::string("False"));
    }

    void theBoardInASmallerWindowKeepsEveryControlInProportion()
    {
        OpenBoard open;
        QtFrontEnd& fe = open.fe;
        FormWindow* board = open.board;
        const QSize full = board->size();
        board->toggleFullScreen();
        board->resize(full.width() / 2, full.height() / 2);
        QApplication::processEvents();
        Game& game = open.game();
        const double sx = board->width() / (fe.app().screenWidth() / 15.0);
        const double sy = board->height() / (fe.app().screenHeight() / 15.0);
        const QRect start = board->widgetOf(game.lblStart)->geometry();
        QCOMPARE(start.left(), static_cast<int>(game.lblStart.left() * sx / 15));
        QCOMPARE(start.top(), static_cast<int>(game.lblStart.top() * sy / 15));
        QCOMPARE(start.width(), static_cast<int>(game.lblStart.width() * sx / 15));
        // Text shrinks with the board, the model's size untouched.
        QVERIFY(board->widgetOf(game.lblStart)->font().pointSizeF() < game.lblStart.designFontSize());
        board->toggleFullScreen();
        QApplication::processEvents();
        QCOMPARE(board->widgetOf(game.lblStart)->geometry().left(), game.lblStart.left() / 15);
    }

    void thePollChartShowsTheVotesAndNoPanelCoversAnother()
    {
        OpenBoard open;
        FormWindow* board = open.board;
        QTest::keyClick(board, Qt::Key_S);
        QTest::keyClick(board, Qt::Key_3);
        Game& game = open.game();
        QTest::mouseClick(board->widgetOf(game.lblKya), Qt::LeftButton);
        BarChartView* chart = board->chartOf(game.Frame1);
        QVERIFY(chart);
        std::vector<double> shown;
        for (int i = 0; i < 4; ++i) shown.push_back(std::stod(game.ctl("Label" + std::to_string(i + 10)).caption()));
        QCOMPARE(chart->values(), shown);
        QCOMPARE(chart->axisTop(), 100.0);
        QVERIFY(board->widgetOf(game.Frame1)->isVisible() && board->widgetOf(game.Frame2)->isVisible());
        QVERIFY(!board->widgetOf(game.Frame1)->geometry().intersects(board->widgetOf(game.Frame2)->geometry()));
    }

    void aLongCaptionIsDrawnSmallerThenCutNeverClipped()
    {
        const QString question(QString("Which of these words ") + QString("is long enough ").repeated(9) + "now?");
        QCOMPARE(question.size(), 160);
        FitLabel label;
        label.setWordWrap(true);
        QFont font("Arial");
        font.setPointSizeF(12);
        label.setFont(font);
        label.setText(question);
        label.resize(520, 36);  // three lines at 12 points, two fit
        QCOMPARE(label.shownText(), question);
        QVERIFY(label.shownFont().pointSizeF() < 12);
        const QRect needed = QFontMetrics(label.shownFont()).boundingRect(label.contentsRect(), Qt::TextWordWrap, question);
        QVERIFY(needed.height() <= label.contentsRect().height());
        // Past the smallest size the end goes, marked.
        label.resize(120, 20);
        QVERIFY(label.shownText().endsWith(QChar(0x2026)));
        QVERIFY(label.shownFont().pointSizeF() >= 12 * 0.6 - 0.01);
    }
};

}  // namespace
}  // namespace zv

QTEST_MAIN(zv::QtFrontEndTest)
#include "front_end_test.moc"
