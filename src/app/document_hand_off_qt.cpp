#include "app/document_hand_off_qt.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QUrl>

namespace {

const QByteArray kTaken = QByteArrayLiteral("ok\n");
// A path longer than this is not a path: the connection is dropped.
constexpr qint64 kMaxRequest = 64 * 1024;

}  // namespace

QString handOffSocketPath(const QString& folder) {
    const QString dir = folder.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) : folder;
    return dir.isEmpty() ? QString() : QDir(dir).filePath(QStringLiteral("zentra-open.socket"));
}

DocumentHandOffServer::DocumentHandOffServer(QObject* parent) : QObject(parent) {}
DocumentHandOffServer::~DocumentHandOffServer() = default;

bool DocumentHandOffServer::listen(const QString& folder) {
    path_ = handOffSocketPath(folder);
    if (path_.isEmpty()) return false;
    QLocalServer::removeServer(path_);
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, &DocumentHandOffServer::acceptConnection);
    return server_->listen(path_);
}

void DocumentHandOffServer::acceptConnection() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine()) {
                if (socket->bytesAvailable() > kMaxRequest) socket->abort();
                return;
            }
            // A file URL: a name may hold a line feed, its encoded form cannot.
            const QString path = QUrl::fromEncoded(socket->readLine().chopped(1)).toLocalFile();
            socket->write(kTaken);
            socket->flush();
            socket->disconnectFromServer();
            if (!path.isEmpty()) emit documentRequested(path);
        });
    }
}

bool handDocumentToRunningInstance(const QString& path, int timeoutMs, const QString& folder) {
    const QString socketPath = handOffSocketPath(folder);
    if (socketPath.isEmpty()) return false;
    QElapsedTimer clock;
    clock.start();
    const auto left = [&] { return std::max(0, timeoutMs - static_cast<int>(clock.elapsed())); };

    QLocalSocket socket;
    socket.connectToServer(socketPath);
    if (!socket.waitForConnected(left())) return false;
    socket.write(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toEncoded() + '\n');
    if (!socket.waitForBytesWritten(left())) return false;
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(left())) return false;
    }
    return socket.readLine() == kTaken;
}
