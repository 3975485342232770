// The three pick dialogs of an E2 row: floor, use of the property and kind of lease.
#pragma once
#include "e2/fi_select_list.h"

namespace dz {

class TfiSelectE2Thesi : public TfiSelectList {
    Q_OBJECT
public:
    explicit TfiSelectE2Thesi(QWidget* parent = nullptr);
};

class TfiSelectE2Xrisi : public TfiSelectList {
    Q_OBJECT
public:
    explicit TfiSelectE2Xrisi(QWidget* parent = nullptr);
};

class TfiSelectE2EidosMist : public TfiSelectList {
    Q_OBJECT
public:
    explicit TfiSelectE2EidosMist(QWidget* parent = nullptr);
};

}  // namespace dz
