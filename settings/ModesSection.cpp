// The section "modes": the operating modes and times of Frame_zusatz.
#include "frames/Frame_zusatz/ModesModel.h"
#include "settings/Sections.h"

#include <QCoreApplication>

namespace Settings {

namespace {

// Byte 0x20 is shown by one control of a layout: output boxes, a slider or the value edit.
enum class ValueShown { None, Outputs, Fading, Speed, Value };

ValueShown valueShown(const Zusatz::Layout &layout)
{
    if (layout.neonBoxBits)
        return ValueShown::Outputs;
    if (layout.slider == Zusatz::Slider::Fading)
        return ValueShown::Fading;
    if (layout.slider == Zusatz::Slider::Speed)
        return ValueShown::Speed;
    return layout.valueEdit ? ValueShown::Value : ValueShown::None;
}

QString valueCaption(int typeCode)
{
    const Zusatz::Layout *layout = Zusatz::layoutFor(typeCode);
    return layout && !layout->valueCaption.isEmpty() ? layout->valueCaption : QCoreApplication::translate("SettingNames", "Wert");
}

QString extraCaption(int typeCode, int k)
{
    const Zusatz::Layout *layout = Zusatz::layoutFor(typeCode);
    if (layout && k >= 0 && k < static_cast<int>(layout->extras.size()))
        return layout->extras[static_cast<std::size_t>(k)].caption;
    return QCoreApplication::translate("SettingNames", "Wert %1").arg(k + 1);
}

NodePtr buildShape()
{
    NodePtr neonBox = boolean([](int, int k) { return Zusatz::neonBoxes()[static_cast<std::size_t>(k)].caption; }, true);
    return object({
        {QStringLiteral("value"), editedInteger([](int code, int) { return valueCaption(code); })},
        {QStringLiteral("switchOff"), boolean(fixed(QT_TRANSLATE_NOOP("SettingNames", "Abschalten des Antriebes NUR nach TimeOut")))},
        {QStringLiteral("mode"), integer(1, Zusatz::ModeRadioCount, fixed(QT_TRANSLATE_NOOP("SettingNames", "Mode Auswahl")))},
        {QStringLiteral("dummMode"), boolean(fixed(QT_TRANSLATE_NOOP("SettingNames", "Dumm Mode")))},
        {QStringLiteral("modeLock"), boolean(fixed(QT_TRANSLATE_NOOP("SettingNames", "Mode-Umschaltung SPERREN")))},
        {QStringLiteral("fading"), integer(0, Zusatz::FadingPositions - 1,
                                           fixed(QT_TRANSLATE_NOOP("SettingNames", "Geschwindigkeit Überblendung (Fading)")))},
        {QStringLiteral("speed"), integer(0, 255, fixed(QT_TRANSLATE_NOOP("SettingNames", "Geschwindigkeit")))},
        {QStringLiteral("outputs"), array(neonBox, Zusatz::NeonBoxCount)},
        {QStringLiteral("neonDark"), editedInteger(fixed(QT_TRANSLATE_NOOP("SettingNames", "Leuchtstufe DUNKEL")))},
        {QStringLiteral("neonBright"), editedInteger(fixed(QT_TRANSLATE_NOOP("SettingNames", "Leuchtstufe HELL")))},
        {QStringLiteral("minimumCount"), editedInteger(fixed(QT_TRANSLATE_NOOP("SettingNames", "Mindestanzahl (1..9)")))},
        {QStringLiteral("extras"), array(integer(0, 255, extraCaption, true), Zusatz::ExtraFieldCount)},
    });
}

NodePtr shape()
{
    static const NodePtr built = buildShape();
    return built;
}

QJsonObject modesOf(const Zusatz::ModesModel &m)
{
    const Zusatz::Layout &layout = *m.layout();
    QJsonObject modes;
    switch (valueShown(layout)) {
    case ValueShown::Value: modes[QStringLiteral("value")] = m.value(); break;
    case ValueShown::Fading: modes[QStringLiteral("fading")] = m.fadingPosition(); break;
    case ValueShown::Speed: modes[QStringLiteral("speed")] = m.value(); break;
    case ValueShown::Outputs:
        modes[QStringLiteral("outputs")] = arrayOf(Zusatz::NeonBoxCount, [&](int k) -> QJsonValue {
            const int bit = Zusatz::neonBoxes()[static_cast<std::size_t>(k)].bit;
            return m.valueBitOffered(bit) ? QJsonValue(m.valueBit(bit)) : QJsonValue();
        });
        break;
    case ValueShown::None: break;
    }
    if (layout.switchOffOption)
        modes[QStringLiteral("switchOff")] = m.switchOff();
    if (layout.mode.visible) {
        const auto radio = m.modeRadio();
        if (radio && *radio < layout.mode.radioCaptions.size())
            modes[QStringLiteral("mode")] = *radio + 1;
        if (layout.mode.bit6)
            modes[QStringLiteral("dummMode")] = m.modeBit6();
        if (layout.mode.bit7)
            modes[QStringLiteral("modeLock")] = m.modeBit7();
    }
    if (layout.neonSliders) {
        modes[QStringLiteral("neonDark")] = m.neonDark();
        modes[QStringLiteral("neonBright")] = m.neonBright();
    }
    if (layout.minimumCount)
        modes[QStringLiteral("minimumCount")] = m.minimumCount();
    if (m.extraCount() > 0)
        modes[QStringLiteral("extras")] = arrayOf(m.extraCount(), [&](int k) { return QJsonValue(m.extraValue(k)); });
    return modes;
}

std::optional<Fault> applyOutputs(Zusatz::ModesModel &m, const QJsonValue &value, const QString &path)
{
    return eachElement(value, path, [&](int k, const QJsonValue &box, const QString &at) -> std::optional<Fault> {
        const int bit = Zusatz::neonBoxes()[static_cast<std::size_t>(k)].bit;
        if (!m.valueBitOffered(bit))
            return Fault{at, noSuchSetting()};
        if (box.toBool() != m.valueBit(bit))
            m.setValueBit(bit, box.toBool());
        return std::nullopt;
    });
}

std::optional<Fault> applyExtras(Zusatz::ModesModel &m, const QJsonValue &value, const QString &path)
{
    return eachElement(value, path, [&](int k, const QJsonValue &extra, const QString &at) -> std::optional<Fault> {
        if (k >= m.extraCount())
            return Fault{at, noSuchSetting()};
        const int wanted = intOf(extra);
        return wanted == m.extraValue(k) ? std::nullopt : typed(m.typeExtra(k, QString::number(wanted)), at, wanted);
    });
}

std::optional<Fault> applyNeonLevel(Zusatz::ModesModel &m, bool dark, int number, const QString &path)
{
    if (number == (dark ? m.neonDark() : m.neonBright()))
        return std::nullopt;
    if (auto fault = outOfRange(path, number, 0, Zusatz::NeonLevelMax))
        return fault;
    dark ? m.setNeonDark(number) : m.setNeonBright(number);
    return std::nullopt;
}

std::optional<Fault> applyModeSetting(Zusatz::ModesModel &m, const QString &key, const QJsonValue &value,
                                      const QString &path)
{
    const Zusatz::Layout &layout = *m.layout();
    const ValueShown shown = valueShown(layout);
    const int number = intOf(value);
    const bool on = value.toBool();
    if (key == QStringLiteral("value") && shown == ValueShown::Value) {
        if (number != m.value())
            return typed(m.typeValue(QString::number(number)), path, number);
    } else if (key == QStringLiteral("fading") && shown == ValueShown::Fading) {
        if (number != m.fadingPosition())
            m.slideTo(number);
    } else if (key == QStringLiteral("speed") && shown == ValueShown::Speed) {
        if (number != m.value()) {
            if (auto fault = outOfRange(path, number, 1, 255))
                return fault;
            m.slideTo(number);
        }
    } else if (key == QStringLiteral("outputs") && shown == ValueShown::Outputs) {
        return applyOutputs(m, value, path);
    } else if (key == QStringLiteral("switchOff") && layout.switchOffOption) {
        if (on != m.switchOff())
            m.setSwitchOff(on);
    } else if (key == QStringLiteral("mode") && layout.mode.visible && !layout.mode.radioCaptions.isEmpty()) {
        if (auto fault = outOfRange(path, number, 1, static_cast<int>(layout.mode.radioCaptions.size())))
            return fault;
        if (m.modeRadio() != number - 1)
            m.chooseMode(number - 1);
    } else if (key == QStringLiteral("dummMode") && layout.mode.visible && layout.mode.bit6) {
        if (on != m.modeBit6())
            m.setModeBit6(on);
    } else if (key == QStringLiteral("modeLock") && layout.mode.visible && layout.mode.bit7) {
        if (on != m.modeBit7())
            m.setModeBit7(on);
    } else if ((key == QStringLiteral("neonDark") || key == QStringLiteral("neonBright")) && layout.neonSliders) {
        return applyNeonLevel(m, key == QStringLiteral("neonDark"), number, path);
    } else if (key == QStringLiteral("minimumCount") && layout.minimumCount) {
        if (number != m.minimumCount())
            return typed(m.typeMinimumCount(QString::number(number)), path, number);
    } else if (key == QStringLiteral("extras") && m.extraCount() > 0) {
        return applyExtras(m, value, path);
    } else {
        return Fault{path, noSuchSetting()};
    }
    return std::nullopt;
}

class ModesEditor : public LoadedEditor {
public:
    explicit ModesEditor(DecoderSession &session) : model_(session.image) { model_.load(session.typeCode()); }
    bool hasLayout() const { return model_.layout() != nullptr; }

    QJsonValue exported() override { return modesOf(model_); }

    // The mode settings in the editor's order: the mode radio before its bit boxes.
    std::optional<Fault> apply(const QJsonValue &section) override
    {
        const QJsonObject modes = section.toObject();
        for (const Field &field : shape()->fields) {
            const QJsonValue value = modes.value(field.key);
            if (value.isUndefined() || value.isNull())
                continue;
            if (auto fault = applyModeSetting(model_, field.key, value, pathOf(QStringLiteral("modes"), field.key)))
                return fault;
        }
        return std::nullopt;
    }

private:
    Zusatz::ModesModel model_;
};

std::unique_ptr<LoadedEditor> load(DecoderSession &session)
{
    auto editor = std::make_unique<ModesEditor>(session);
    if (!editor->hasLayout())
        return nullptr;
    return editor;
}

} // namespace

const EditorSection &modesSection()
{
    static const EditorSection section{QStringLiteral("modes"), shape, load};
    return section;
}

} // namespace Settings
