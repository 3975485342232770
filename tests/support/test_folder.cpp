// Scratch folder for tests that touch the file system.
#include "support/test_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <stdexcept>

namespace dz::test {

TestFolder::TestFolder() : previous_(QDir::currentPath()) {
    if (!dir_.isValid()) throw std::runtime_error("cannot create a temporary folder");
    QDir::setCurrent(dir_.path());
}

TestFolder::~TestFolder() { QDir::setCurrent(previous_); }

void TestFolder::makeFolder(const QString& relative) const { QDir(dir_.path()).mkpath(relative); }

void TestFolder::writeFile(const QString& relative, const QByteArray& bytes) const {
    QFile f(file(relative));
    QDir().mkpath(QFileInfo(f).absolutePath());
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + relative.toStdString());
}

QByteArray TestFolder::readFile(const QString& relative) const {
    QFile f(file(relative));
    if (!f.open(QIODevice::ReadOnly)) throw std::runtime_error("cannot read " + relative.toStdString());
    return f.readAll();
}

bool TestFolder::exists(const QString& relative) const { return QFileInfo::exists(file(relative)); }

}  // namespace dz::test
