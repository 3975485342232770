// dovazez-form-pictures: draws the E1 page pictures anew into a working folder's WParams.
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

#include "render/page_pictures.h"
#include "model/errors.h"

int main(int argc, char** argv) {
    // Fonts need a GUI application; no window is ever shown.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const bool png = args.removeAll(QStringLiteral("--png")) > 0;
    QTextStream err(stderr);
    if (args.size() > 1 || args.contains(QStringLiteral("--help"))) {
        err << "usage: dovazez-form-pictures [--png] [working-folder]\n"
               "Writes WParams/E1P1.jpg … E1P4.jpg (and PNG copies with --png) in the working folder\n"
               "(the current folder when none is given).\n";
        return 2;
    }
    const QDir work(args.isEmpty() ? QDir::currentPath() : args.first());
    try {
        dz::forms::WriteE1Pictures(work.filePath(QStringLiteral("WParams")), png);
    } catch (const dz::Error& e) {
        err << e.message() << '\n';
        return 1;
    }
    return 0;
}
