// The unit labels beside the fields, by the settings' display unit codes; a code outside its
// table shows the SI unit, the one its values then have.
#pragma once

#include "dialogs/element_dialog_texts.h"

#include <iterator>
#include <string>

inline std::wstring FlowUnitLabel(int flowUnit) {
    const auto& labels = TzRvnElementDialogText::kFlowUnitLabels;
    return flowUnit >= 0 && flowUnit < static_cast<int>(std::size(labels)) ? labels[flowUnit] : labels[0];
}

inline std::wstring LengthUnitLabel(int lengthUnit) {
    const auto& labels = TzRvnElementDialogText::kLengthUnitLabels;
    return lengthUnit >= 0 && lengthUnit < static_cast<int>(std::size(labels)) ? labels[lengthUnit] : labels[0];
}
