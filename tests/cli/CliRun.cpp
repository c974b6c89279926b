#include "CliRun.h"

#include "cli/CommandLine.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonDocument>
#include <QProcess>
#include <QTemporaryFile>

#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

namespace {

// Points a standard descriptor at a temporary file until destroyed.
class Redirect {
public:
    explicit Redirect(int fd) : m_fd(fd) {
        m_file.open();
        m_saved = ::dup(fd);
        ::dup2(m_file.handle(), fd);
    }
    ~Redirect() { restore(); }
    Redirect(const Redirect&) = delete;
    Redirect& operator=(const Redirect&) = delete;

    QString text() {
        restore();
        QFile file(m_file.fileName());
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

private:
    void restore() {
        if (m_saved < 0)
            return;
        ::dup2(m_saved, m_fd);
        ::close(m_saved);
        m_saved = -1;
    }

    int m_fd;
    int m_saved = -1;
    QTemporaryFile m_file;
};

} // namespace

CliRun runCli(const QStringList& arguments) {
    std::vector<QByteArray> storage{"zuzuze-vizozod"};
    for (const QString& argument : arguments)
        storage.push_back(argument.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& argument : storage)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    std::fflush(stdout);
    std::fflush(stderr);
    Redirect out(STDOUT_FILENO);
    Redirect err(STDERR_FILENO);
    CliRun run;
    run.exitCode = CommandLine::run(int(storage.size()), argv.data());
    std::fflush(stdout);
    std::fflush(stderr);
    run.err = err.text();
    run.out = out.text();
    return run;
}

CliRun runProgram(const QStringList& arguments, const QProcessEnvironment& environment) {
    return runProgram(QCoreApplication::applicationDirPath() + QStringLiteral("/zuzuze-vizozod"), arguments, environment);
}

CliRun runProgram(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    CliRun run;
    const bool finished = process.waitForFinished(120'000);
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    if (!finished || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        process.waitForFinished();
        run.err += QStringLiteral("\n[crashed or did not finish: %1]").arg(process.errorString());
        return run;
    }
    run.exitCode = process.exitCode();
    return run;
}

QJsonObject jsonObject(const QString& text) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text.toUtf8(), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << text.toStdString();
    EXPECT_TRUE(document.isObject());
    return document.object();
}

QProcessEnvironment environmentWithoutDisplay() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    return environment;
}
