#pragma once
// A fault planted under the verified save: while one of these lives, every
// staged file reads back as `change` makes it, so a save must refuse it and
// keep the old file.
#include "image/SafeSave.h"

#include <functional>

class PlantedReadBack : public SaveFileLayer {
public:
    explicit PlantedReadBack(std::function<void(InputFile &)> change)
        : change_(std::move(change)), previous_(useSaveFileLayer(this))
    {
    }
    ~PlantedReadBack() override { useSaveFileLayer(previous_); }
    PlantedReadBack(const PlantedReadBack &) = delete;
    PlantedReadBack &operator=(const PlantedReadBack &) = delete;

    InputFile readBack(const QString &stagedPath, qint64 maxSize) const override
    {
        InputFile file = SaveFileLayer::readBack(stagedPath, maxSize);
        change_(file);
        return file;
    }

private:
    std::function<void(InputFile &)> change_;
    const SaveFileLayer *previous_;
};
