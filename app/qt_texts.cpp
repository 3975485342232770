#include "app/qt_texts.h"

#include <QCoreApplication>
#include <QTranslator>

namespace dz {
namespace {
const QString kTranslatorName = QStringLiteral("greekQtTexts");
const QString kTranslation = QStringLiteral(":/translations/qt_el.qm");
}  // namespace

bool InstallGreekQtTexts(QCoreApplication& app) {
    if (app.findChild<QTranslator*>(kTranslatorName, Qt::FindDirectChildrenOnly)) return true;
    auto* translator = new QTranslator(&app);
    translator->setObjectName(kTranslatorName);
    if (!translator->load(kTranslation)) {
        delete translator;
        return false;
    }
    return app.installTranslator(translator);
}

}  // namespace dz
