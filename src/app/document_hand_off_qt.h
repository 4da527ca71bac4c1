// A second start that names a document hands it to the running window: the
// running program listens on a local socket in the user's runtime folder
// (beside the single-instance lock); the second one sends the path and
// waits briefly for the answer.
#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

class DocumentHandOffServer : public QObject {
    Q_OBJECT

public:
    explicit DocumentHandOffServer(QObject* parent = nullptr);
    ~DocumentHandOffServer() override;

    // Listens in `folder` (the user's runtime folder when empty). Only the
    // holder of the single-instance lock calls it, so a socket left by a
    // crashed start is removed first.
    bool listen(const QString& folder = QString());
    QString socketPath() const { return path_; }

signals:
    // An absolute path, as the second start resolved it.
    void documentRequested(const QString& path);

private:
    void acceptConnection();

    QLocalServer* server_ = nullptr;
    QString path_;
};

// Sends `path` (made absolute here, since the running program has another
// working folder) and waits at most `timeoutMs` for the running program to
// take it. False when nothing listens or it does not answer in time (it may
// be stuck): the caller then says that the program is already running.
bool handDocumentToRunningInstance(const QString& path, int timeoutMs = 3000, const QString& folder = QString());

// The socket's path in `folder` (the user's runtime folder when empty).
QString handOffSocketPath(const QString& folder = QString());
