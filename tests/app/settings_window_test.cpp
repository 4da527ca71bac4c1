// What survives a restart: a second window on the same settings file finds
// the texts, the settings and the place the first one left; damaged or
// strange settings start the program anyway.
#include <QAction>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QSplitter>
#include <QTest>
#include <QWidget>

#include "app/code_edit_widget.h"
#include "app/main_window.h"
#include "app/settings_store_qt.h"
#include "app/status_bar_widget.h"
#include "session/session.h"
#include "shell/settings_schema.h"
#include "window_fixture.h"

namespace {

void clickPanel(TFormMain& w, zentra::StatusPanel panel, Qt::MouseButton button) {
    QTest::mouseClick(w.statusPanels(), button, {}, w.statusPanels()->panelCentre(panel));
}

QString pair(int first, int second) { return QString::number(zentra::packPair({first, second})); }

}  // namespace

class SettingsWindowTest : public QObject {
    Q_OBJECT

private slots:
    void firstStartHasTheDefaults() {
        WindowFixture fixture;
        TFormMain& w = fixture.open();
        QCOMPARE(w.session().precision, 15);
        QCOMPARE(w.session().radian, 0);
        QCOMPARE(w.session().loopLimit, 1000);
        QCOMPARE(w.programEditor()->toPlainText(), QString());
        QCOMPARE(w.session().parameterHistory.size(), std::size_t{17});
        QVERIFY(w.session().parameterHistory[13].starts_with("PI="));
        QCOMPARE(w.geometry(), QRect(142, 164, 550, 298));
        QCOMPARE(w.windowTitle(), QStringLiteral(" 科学技術計算用電卓  Zentra 1.2  "));
        QCOMPARE(statusText(w, 0), QString());
        QCOMPARE(QApplication::focusWidget(), w.programEditor());
    }

    void aSecondWindowFindsWhatTheFirstLeft() {
        WindowFixture fixture;
        {
            // A value of a later window, which this one only carries.
            QSettings preset(fixture.settingsPath(), QSettings::IniFormat);
            preset.setValue("mtop_height", pair(-20, 500));
        }
        TFormMain& first = fixture.open();
        typeInto(first.parameterEditor(), "k = 3;  // ");
        first.parameterEditor()->insertPlainText("係数");
        typeInto(first.programEditor(), "y = k * 2");
        first.execute();
        clickPanel(first, zentra::StatusPanel::Precision, Qt::RightButton);
        clickPanel(first, zentra::StatusPanel::Unit, Qt::LeftButton);
        first.actions().reuse->trigger();
        first.setGeometry(120, 90, 640, 360);
        QApplication::processEvents();
        first.editorSplitter()->setSizes({150, 100});
        first.outputSplitter()->setSizes({300, 300});
        const int usrHeight = first.parameterEditor()->height();
        const int panelWidth = first.outputSplitter()->widget(1)->width();
        QVERIFY(usrHeight > 102);
        fixture.close();

        TFormMain& second = fixture.open();
        QCOMPARE(second.parameterEditor()->toPlainText(), QStringLiteral("k = 3;  // 係数"));
        QCOMPARE(second.programEditor()->toPlainText(), QStringLiteral("y = k * 2"));
        QCOMPARE(second.session().precision, 14);
        QCOMPARE(second.session().radian, 1);
        QCOMPARE(statusText(second, 1), QStringLiteral(" precision 14"));
        QCOMPARE(statusText(second, 2), QStringLiteral(" unit RAD"));
        QVERIFY(second.actions().reuse->isChecked());
        QCOMPARE(second.geometry(), QRect(120, 90, 640, 360));
        QCOMPARE(second.parameterEditor()->height(), usrHeight);
        QCOMPARE(second.outputSplitter()->widget(1)->width(), panelWidth);
        QCOMPARE(second.session().programHistory, std::vector<std::string>{"y=k*2"});
        fixture.close();
        QCOMPARE(fixture.readBack()->value("mtop_height").toString(), pair(-20, 500));
        QCOMPARE(fixture.readBack()->value("reuse").toString(), QStringLiteral("1"));
    }

    void withLoopsDeletedTheRestIsStillRestored() {
        WindowFixture fixture;
        TFormMain& first = fixture.open();
        typeInto(first.programEditor(), "z = 1");
        setText(first.parameterEditor(), "loops = 5000;");
        first.execute();
        QCOMPARE(first.session().loopLimit, 5000);
        first.actions().reuse->trigger();
        fixture.close();
        fixture.readBack()->remove("loops");

        TFormMain& second = fixture.open();
        QCOMPARE(second.programEditor()->toPlainText(), QStringLiteral("z = 1"));
        QCOMPARE(second.parameterEditor()->toPlainText(), QStringLiteral("loops = 5000;"));
        QCOMPARE(second.session().loopLimit, 1000);
        // Each value is read on its own: what follows "loops" is still there.
        QVERIFY(second.actions().reuse->isChecked());
    }

    void anUnreadableFileIsKeptAndTheDefaultsUsed() {
        WindowFixture fixture;
        QByteArray garbage;
        for (int i = 0; i < 512; ++i) garbage.append(static_cast<char>(i * 7));
        {
            QFile file(fixture.settingsPath());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(garbage);
        }
        TFormMain& w = fixture.open();
        QVERIFY(statusText(w, 0).startsWith(QStringLiteral("設定ファイルを読めない")));
        QCOMPARE(w.session().precision, 15);
        typeInto(w.programEditor(), "a = 1");
        fixture.close();
        QFile kept(fixture.settingsPath() + ".unreadable");
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), garbage);
        QCOMPARE(fixture.readBack()->value("src").toString(), QStringLiteral("a = 1\n"));
    }

    void aTextFileThatIsNoIniCountsAsUnreadable() {
        QVERIFY(!looksLikeIniText("this is\nno settings file\n"));
        QVERIFY(!looksLikeIniText(QByteArray("a=1\n\0b=2\n", 10)));
        QVERIFY(!looksLikeIniText("a=\xff\xfe\n"));
        QVERIFY(looksLikeIniText("[General]\r\n; note\r\nsrc=\"a\\nb\"\r\n\r\nfname=ＭＳ ゴシック\r\n"));
        QVERIFY(looksLikeIniText(""));
    }

    void strangeValuesNeverStopTheStart() {
        WindowFixture fixture;
        const QString bigText = QString("x = 1 // ").repeated(1) + QString(2'000'000, QChar('a'));
        {
            QSettings s(fixture.settingsPath(), QSettings::IniFormat);
            s.setValue("top_height", "abc");
            s.setValue("left_width", "2147483647");
            s.setValue("stop_sleft", "-1");
            s.setValue("fname", "No Such Font At All");
            s.setValue("fsize", "-5");
            s.setValue("precision", "99");
            s.setValue("radian", "7");
            s.setValue("src", bigText + "\n");
            s.setValue("con", QStringList{"a", "b"});  // a list, as an INI file edited by hand has it
        }
        TFormMain& w = fixture.open();
        QCOMPARE(w.programEditor()->toPlainText(), bigText);
        QCOMPARE(w.parameterEditor()->toPlainText(), QStringLiteral("a,b"));
        QCOMPARE(w.session().precision, 15);
        QCOMPARE(w.session().radian, 1);
        QVERIFY(w.programEditor()->font().pointSize() > 0);
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY2(screen.intersects(w.geometry()), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                                 .arg(w.x()).arg(w.y()).arg(w.width()).arg(w.height())));
        fixture.close();
        QCOMPARE(fixture.readBack()->value("fname").toString(), QStringLiteral("No Such Font At All"));
        QCOMPARE(fixture.readBack()->value("src").toString().size(), bigText.size() + 1);
    }

    void aWindowOffEveryScreenComesBack() {
        WindowFixture fixture;
        {
            QSettings s(fixture.settingsPath(), QSettings::IniFormat);
            s.setValue("top_height", pair(5000, 300));
            s.setValue("left_width", pair(-9000, 500));
        }
        TFormMain& w = fixture.open();
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(screen.contains(w.geometry()));
        QCOMPARE(w.size(), QSize(500, 300));
    }

    void textsAreWrittenAtExecAndWhenTheWindowLosesFocus() {
        WindowFixture fixture;
        TFormMain& w = fixture.open();
        QApplication::setActiveWindow(&w);
        QVERIFY(QTest::qWaitForWindowActive(&w));
        typeInto(w.programEditor(), "q = 7");
        QCOMPARE(fixture.readBack()->value("src").toString(), QString());
        QWidget other;
        other.show();
        QApplication::setActiveWindow(&other);
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QCOMPARE(fixture.readBack()->value("src").toString(), QStringLiteral("q = 7\n"));
        setText(w.parameterEditor(), "p = 2;");
        w.execute();
        QCOMPARE(fixture.readBack()->value("con").toString(), QStringLiteral("p = 2;\n"));
    }
};

WINDOW_TEST(SettingsWindowTest)
#include "settings_window_test.moc"
