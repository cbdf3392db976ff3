#pragma once
// The edit model of the CV list: the type's CVs and what typing into one of
// them writes into the EEPROM image, at once.
#include "frames/Frame_register/CvTable.h"
#include "frames/TypedEntry.h"

#include <QString>
#include <vector>

struct FirmwareImage;

namespace Cv {

// The working copy: the type and the text of each CV's EEPROM byte, in display
// order. Each accepted change goes into the image at once, so between two
// changes this copy and the image agree.
struct CvListState {
    int typeCode = 0;
    std::vector<QString> texts;
};

class CvListModel {
public:
    explicit CvListModel(FirmwareImage &image);

    // Reads the type's CVs; writes nothing.
    void load(int typeCode);

    int count() const { return static_cast<int>(state_.texts.size()); }
    QString caption(int k) const;
    // The value of entry k as the image holds it.
    int value(int k) const;

    // A typed text for entry k: each accepted number is written at once.
    TypedEntry<int> typeValue(int k, const QString &text);

private:
    int eepromIndex(int k) const;

    FirmwareImage &image_;
    CvListState state_;
};

} // namespace Cv
