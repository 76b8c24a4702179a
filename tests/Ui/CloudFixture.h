#pragma once

#include <QObject>
#include <QString>

#include <memory>

class FakeCloudServer;
class TemporaryFolder;
class ScopedEnvironment;

// The cloud and identity services as a local fake on 127.0.0.1 for the program's real update,
// sync and sign-in managers, and an installer command that only records its argument. Built
// before the program's managers, whose addresses it sets.
class CloudFixture : public QObject {
    Q_OBJECT

public:
    CloudFixture();
    ~CloudFixture() override;

    // The version check offers a version newer than this build, with its installer, or none;
    // its answer leaves after delayMs.
    Q_INVOKABLE void offerUpdate(bool newer, int delayMs = 0);
    // The cloud holds a copy other than the local preference file, saved at lastUpdateDate
    // with configVersion; an invalid copy holds no configuration. Uploads are accepted.
    Q_INVOKABLE void offerCloudCopy(const QString& lastUpdateDate, int configVersion, bool valid);
    // The cloud holds the local preference file as it is now.
    Q_INVOKABLE void offerLocalCopy();
    // Requests received for the path so far: "check", "installer", "info", "download",
    // "upload" or "logout".
    Q_INVOKABLE int count(const QString& request) const;
    // Signs in with a token of the identity service's form; an empty one signs out.
    Q_INVOKABLE void signIn(bool signedIn);
    // The installers that updates handed to the desktop, one path a line.
    Q_INVOKABLE QString startedInstallers() const;

private:
    std::unique_ptr<TemporaryFolder> folder_;
    std::unique_ptr<ScopedEnvironment> environment_;
    std::unique_ptr<FakeCloudServer> server_;
};
