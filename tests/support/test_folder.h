// A scratch folder per test, made current while the test runs (the program works relative to it).
#pragma once
#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace dz::test {

class TestFolder {
public:
    TestFolder();
    ~TestFolder();
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    QString path() const { return dir_.path(); }
    QString file(const QString& relative) const { return dir_.filePath(relative); }
    void makeFolder(const QString& relative) const;
    void writeFile(const QString& relative, const QByteArray& bytes) const;
    QByteArray readFile(const QString& relative) const;
    bool exists(const QString& relative) const;

private:
    QTemporaryDir dir_;
    QString previous_;
};

}  // namespace dz::test
