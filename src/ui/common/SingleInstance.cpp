// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/SingleInstance.h"

#include <unistd.h>

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

namespace corvane {

namespace {
const QByteArray kActivate = QByteArrayLiteral("activate\n");
}

SingleInstance::SingleInstance(QString key, QObject* parent)
    : QObject(parent), key_(std::move(key)) {}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::keyFor(const std::string& baseDirectory) {
    // A digest keeps the socket's name short and free of "/" whatever the folder is called.
    const QByteArray digest = QCryptographicHash::hash(QByteArray::fromStdString(baseDirectory),
                                                       QCryptographicHash::Sha1);
    return QStringLiteral("corvane-launcher-%1-%2")
        .arg(::getuid())
        .arg(QString::fromLatin1(digest.left(8).toHex()));
}

bool SingleInstance::acquire() {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    lock_ = std::make_unique<QLockFile>(dir + QLatin1Char('/') + key_ + QStringLiteral(".lock"));
    lock_->setStaleLockTime(0);
    if (!lock_->tryLock(100)) {
        // Another launcher runs; if it cannot be reached either, still open no second window.
        notifyRunning();
        return false;
    }
    QLocalServer::removeServer(key_);  // a socket left by a launcher that crashed
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    server_->listen(key_);
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* peer = server_->nextPendingConnection()) {
            connect(peer, &QLocalSocket::readyRead, this, [this, peer] {
                if (peer->readAll().contains(kActivate.trimmed()))
                    emit activationRequested();
                peer->disconnectFromServer();
            });
            connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
        }
    });
    return true;
}

bool SingleInstance::notifyRunning() const {
    QLocalSocket socket;
    socket.connectToServer(key_);
    if (!socket.waitForConnected(1000))
        return false;
    socket.write(kActivate);
    const bool written = socket.waitForBytesWritten(1000);
    socket.waitForDisconnected(500);
    return written;
}

}  // namespace corvane
