// The Qt front end draws the model's forms and passes the player's clicks
// to it. Runs on Qt's offscreen platform.

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QUrl>
#include <fstream>

#include "engine/game.h"
#include "qt/form_window.h"
#include "qt/qt_front_end.h"
#include "support/test_folder.h"

namespace zv {
namespace {

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
        test::TestFolder dir;
        dir.write("imp.zrv", test::crlf({test::record(1, "Q", "A", "1")}));
        QtFrontEnd fe(dir.path());
        fe.start();
        fe.app().run([&] { fe.app().show("Game"); });
        fe.afterEvent();
        Game& game = *fe.app().findAs<Game>();
        QWidget* a = fe.windowOf("Game")->widgetOf(game.lblA);
        QTest::mouseClick(a, Qt::LeftButton);
        QCOMPARE(fe.app().loadedForms().size(), std::size_t{3});
        QCOMPARE(QString::fromStdString(fe.windowOf("Game")->form().name()), QString("Game"));
    }
};

}  // namespace
}  // namespace zv

QTEST_MAIN(zv::QtFrontEndTest)
#include "qt_front_end_test.moc"
