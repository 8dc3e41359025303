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

    void aWholeGameCanBePlayedWithTheKeyboard()
    {
        test::TestFolder dir;
        dir.write("imp.zrv", test::ladderBank());
        dir.write("config.txt", test::kFast);
        QtFrontEnd fe(dir.path());
        fe.start();
        auto press = [&](QWidget* w, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
            w->activateWindow();
            w->setFocus();
            QTest::keyClick(w, key, mods);
        };
        press(fe.windowOf("Main"), Qt::Key_P);
        QVERIFY(fe.windowOf("Game"));
        FormWindow* board = fe.windowOf("Game");
        press(board, Qt::Key_S);
        Game& game = *fe.app().findAs<Game>();
        for (int level = 1; level <= 15; ++level) {
            QCOMPARE(QString::fromStdString(game.lblQuestion.caption()), QString("Q%1").arg(level));
            press(board, Qt::Key_B);
            press(board, Qt::Key_L);
            if (level < 15) press(fe.windowOf("Message3"), Qt::Key_Return);
        }
        QCOMPARE(QString::fromStdString(fe.app().load("Result")->ctl("Label1").caption()),
                 QString("Congratulations, you have won 1 Crore Rupees."));
        press(fe.windowOf("Result"), Qt::Key_Return);
        QVERIFY(game.lblStart.visible());
        press(board, Qt::Key_Escape);
        QVERIFY(fe.windowOf("frmExit"));
        press(fe.windowOf("frmExit"), Qt::Key_Y);
        QVERIFY(!fe.windowOf("Game"));
        press(fe.windowOf("Main"), Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(fe.app().ended());
    }

    void realTimeRunsTheModelsTimersAndAClockThatFellBehindTicksOnce()
    {
        test::TestFolder dir;
        std::int64_t now = 0;
        QtFrontEnd fe(dir.path(), {[&now] { return now; }, {}});
        fe.start();
        // A lit menu entry takes three numbers a tick of the menu's Timer1.
        fe.app().mouseMove(fe.app().find("Main")->ctl("Label1"));
        const auto draws = fe.app().random().draws();
        now = 1050;  // the system kept the program waiting for ten ticks
        fe.afterEvent();
        QCoreApplication::processEvents();
        QCOMPARE(fe.app().now(), std::int64_t{1050});
        QCOMPARE(fe.app().random().draws(), draws + 3);
        QCOMPARE(fe.app().nextDue(), std::optional<std::int64_t>{1100});
    }

    void theWindowsShowTheStateOfTheMomentAMessageBoxOpens()
    {
        test::TestFolder dir;
        dir.write("imp.zrv", test::crlf({test::record(1, "Shown before the message", "A", "1"), "2,broken"}));
        QString questionShown;
        QtFrontEnd* front = nullptr;
        QtFrontEnd fe(dir.path(), {{}, [&](QWidget*, const QString&, const QString&) {
                                      Game& game = *front->app().findAs<Game>();
                                      QWidget* w = front->windowOf("Game")->widgetOf(game.lblQuestion);
                                      questionShown = qobject_cast<QLabel*>(w)->text();
                                  }});
        front = &fe;
        fe.start();
        fe.app().run([&] { fe.app().show("Game"); });
        fe.afterEvent();
        // Start shows the question, then names the broken line.
        QTest::mouseClick(fe.windowOf("Game")->widgetOf(fe.app().findAs<Game>()->lblStart), Qt::LeftButton);
        QCOMPARE(questionShown, QString("Shown before the message"));
    }

    void theWindowOfAnUnloadedFormIsTakenDown()
    {
        test::TestFolder dir;
        QtFrontEnd fe(dir.path());
        fe.start();
        QTest::mouseClick(fe.windowOf("Main")->widgetOf(fe.app().find("Main")->ctl("Label3")), Qt::LeftButton);
        QPointer<FormWindow> about = fe.windowOf("About");
        QVERIFY(about && about->isVisible());
        QTest::mouseClick(about->widgetOf(about->form().ctl("Command1")), Qt::LeftButton);
        QVERIFY(!fe.windowOf("About"));
        QVERIFY(about && !about->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!about);
    }

    void theDeleteBoxTakesOnlyDigitsFromTheKeyboard()
    {
        test::TestFolder dir;
        dir.write("imp.zrv", test::crlf({test::record(1, "Q", "A", "1")}));
        QtFrontEnd fe(dir.path());
        fe.start();
        QTest::mouseClick(fe.windowOf("Main")->widgetOf(fe.app().find("Main")->ctl("Label2")), Qt::LeftButton);
        FormWindow* editor = fe.windowOf("Question");
        QTest::mouseClick(editor->widgetOf(editor->form().ctl("deletedata")), Qt::LeftButton);
        FormWindow* dialog = fe.windowOf("Delete");
        auto* box = qobject_cast<QLineEdit*>(dialog->widgetOf(dialog->form().ctl("Text1")));
        QVERIFY(box);
        QTest::keyClicks(box, "a1 -2.x3");
        QTest::keyClick(box, Qt::Key_Backspace);
        QCOMPARE(box->text(), QString("12"));
        QCOMPARE(QString::fromStdString(dialog->form().ctl("Text1").text()), QString("12"));
    }
};

}  // namespace
}  // namespace zv

QTEST_MAIN(zv::QtFrontEndTest)
#include "qt_front_end_test.moc"
