#include "document/EditorKinds.h"

#include "frames/Frame_blinkmuster/BlinkModel.h"
#include "frames/Frame_blinkmuster_led/LedBlinkPatterns.h"
#include "frames/Frame_tamb/ServoModel.h"

#include <algorithm>

namespace {

template <class Copy> std::shared_ptr<const FrameState> stateOf(std::optional<Copy> copy)
{
    return copy ? frameStateOf(std::move(*copy)) : nullptr;
}

constexpr EditorKind Kinds[] = {
    {EditorFrameKind::Modes, "FrameZusatz1", nullptr},
    {EditorFrameKind::Blink, "FrameBlinkmuster1",
     [](const QJsonValue &v) { return stateOf(BlinkEditorCopy::fromJson(v, blinkPatternLayout())); }},
    {EditorFrameKind::LedBlink, "FrameBlinkmuster_led1",
     [](const QJsonValue &v) { return stateOf(BlinkEditorCopy::fromJson(v, ledBlinkPatternLayout())); }},
    {EditorFrameKind::Servo, "FrameTamb1", [](const QJsonValue &v) { return stateOf(ServoEditorCopy::fromJson(v)); }},
    {EditorFrameKind::CvList, "FrameRegister1", nullptr},
};

} // namespace

std::span<const EditorKind> editorKinds()
{
    return Kinds;
}

const EditorKind *editorKind(EditorFrameKind kind)
{
    const auto *found = std::find_if(std::begin(Kinds), std::end(Kinds), [kind](const EditorKind &k) { return k.kind == kind; });
    return found == std::end(Kinds) ? nullptr : found;
}

const EditorKind *editorKindNamed(const QString &name)
{
    const auto *found =
        std::find_if(std::begin(Kinds), std::end(Kinds), [&name](const EditorKind &k) { return name == QLatin1String(k.name); });
    return found == std::end(Kinds) ? nullptr : found;
}
