// One running program per user, and the one catch point for exceptions.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <stdexcept>

#include "app/application_qt.h"
#include "app/single_instance_qt.h"
#include "window_fixture.h"

namespace {

class ThrowingWidget : public QWidget {
protected:
    bool event(QEvent* e) override {
        if (e->type() == QEvent::User) throw std::runtime_error("壊れたイベント");
        return QWidget::event(e);
    }
};

}  // namespace

class SingleInstanceQtTest : public QObject {
    Q_OBJECT

private slots:
    void aSecondStartIsRefusedUntilTheFirstEnds() {
        QTemporaryDir runtime;
        auto first = std::make_unique<SingleInstance>();
        QCOMPARE(first->acquire(runtime.path()), SingleInstance::Result::Acquired);
        const QString lock = first->lockPath();
        QVERIFY(lock.endsWith(QStringLiteral("/Qubix is running.lock")));
        {
            SingleInstance second;
            QCOMPARE(second.acquire(runtime.path()), SingleInstance::Result::AlreadyRunning);
            QCOMPARE(SingleInstance::messageFor(SingleInstance::Result::AlreadyRunning),
                     QStringLiteral("Qubix は既に起動されています"));
        }
        // The refused start leaves the first one's lock alone.
        QVERIFY(QFile::exists(lock));
        first.reset();
        QVERIFY(!QFile::exists(lock));
        SingleInstance third;
        QCOMPARE(third.acquire(runtime.path()), SingleInstance::Result::Acquired);
    }

    void theRuntimeFolderComesFromTheEnvironment() {
        QTemporaryDir runtime;
        const QByteArray before = qgetenv("XDG_RUNTIME_DIR");
        qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
        SingleInstance instance;
        QCOMPARE(instance.acquire(), SingleInstance::Result::Acquired);
        QCOMPARE(QFileInfo(instance.lockPath()).absolutePath(), QDir(runtime.path()).absolutePath());
        qputenv("XDG_RUNTIME_DIR", before);
    }

    void noLockWhereNoneCanBeMade() {
        QTemporaryDir dir;
        const QString file = dir.filePath("plain-file");
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        SingleInstance instance;
        QCOMPARE(instance.acquire(file + "/below"), SingleInstance::Result::CannotCreate);
        QCOMPARE(SingleInstance::messageFor(SingleInstance::Result::CannotCreate), QStringLiteral("MUTEXを作成できません"));
    }

    void anExceptionInAnEventIsShownAndTheProgramGoesOn() {
        auto* app = dynamic_cast<ZentraApplication*>(QCoreApplication::instance());
        QVERIFY(app != nullptr);
        QStringList shown;
        const auto before = app->showException;
        app->showException = [&shown](const QString& text) { shown << text; };
        ThrowingWidget widget;
        QEvent user(QEvent::User);
        QCoreApplication::sendEvent(&widget, &user);
        QCOMPARE(shown, QStringList{"壊れたイベント"});
        QEvent again(QEvent::User);
        QCoreApplication::sendEvent(&widget, &again);
        QCOMPARE(shown.size(), 2);
        app->showException = before;
    }
};

WINDOW_TEST(SingleInstanceQtTest)
#include "single_instance_qt_test.moc"
