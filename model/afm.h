// The Greek tax registration number (AFM) check digit, and which AFMs may name a file.
#pragma once
#include <QString>
#include <QStringView>

namespace dz {

// Empty is valid; otherwise the last nine characters must be digits whose check digit holds.
bool IsValidAfm(QStringView text);

}  // namespace dz
