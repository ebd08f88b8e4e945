// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>
#include <memory>

class QLocalServer;

namespace corvane {

// One launcher per user: the first start holds a lock and listens; a later start tells it to
// come to the front and then ends.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(QString key = defaultKey(), QObject* parent = nullptr);
    ~SingleInstance() override;

    // True for the first instance. Otherwise the running one has been asked to activate.
    bool acquire();

    static QString defaultKey();

signals:
    void activationRequested();

private:
    bool notifyRunning() const;

    QString key_;
    std::unique_ptr<QLockFile> lock_;
    QLocalServer* server_ = nullptr;
};

}  // namespace corvane
