// Holds the working drawing's linear-units precision (LUPREC) at 6 decimals while the network
// database dialog is open, so that every distance it formats in the drawing's units has 6; the value
// before comes back on every path.
#pragma once

#include "adesk.h"

class AcDbDatabase;

class TzRvnLinearPrecisionGuard {
public:
    static constexpr Adesk::Int16 kDialogPrecision = 6;

    TzRvnLinearPrecisionGuard();
    ~TzRvnLinearPrecisionGuard();
    TzRvnLinearPrecisionGuard(const TzRvnLinearPrecisionGuard&) = delete;
    TzRvnLinearPrecisionGuard& operator=(const TzRvnLinearPrecisionGuard&) = delete;

private:
    AcDbDatabase* database_;
    Adesk::Int16 saved_ = kDialogPrecision;
};
