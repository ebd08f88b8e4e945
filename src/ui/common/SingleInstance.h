// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>
#include <memory>
#include <string>

class QLocalServer;

namespace corvane {

// One launcher per user and base directory: the first start holds a lock and listens; a later
// start on the same files tells it to come to the front and then ends.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(QString key, QObject* parent = nullptr);
    ~SingleInstance() override;

    // True for the first instance. Otherwise the running one has been asked to activate.
    bool acquire();

    // Two launchers on one base directory would overwrite each other's files; on two they
    // share nothing, so each may have its own window.
    static QString keyFor(const std::string& baseDirectory);

signals:
    void activationRequested();

private:
    bool notifyRunning() const;

    QString key_;
    std::unique_ptr<QLockFile> lock_;
    QLocalServer* server_ = nullptr;
};

}  // namespace corvane
