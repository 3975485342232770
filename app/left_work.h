// The work a run left unsaved when it did not end normally, offered back at start.
#pragma once
#include <QString>

#include "controls/print_operations.h"
#include "safekeeping/recovery_file.h"

class QWidget;

namespace dz {

inline const QString kRecoverAnswer = QStringLiteral("Ναι");
inline const QString kKeepAnswer = QStringLiteral("Όχι");
inline const QString kDiscardAnswer = QStringLiteral("Απόρριψη");

// Asks for each recovery file of `folder` left by an ended run, oldest first: "Ναι" (the
// default) opens its entry window with the recovered form, modified, and asks no more (one
// entry window at a time: the rest wait for the next start); "Όχι" (also Escape) keeps the file
// for the next start; "Απόρριψη" deletes it. The E1 or E2 window to place, or null; a short
// declaration is shown here, modally.
QWidget* OfferLeftWork(const PrintOperations& print, QWidget* parent, const QString& folder = DefaultRecoveryFolder());

}  // namespace dz
