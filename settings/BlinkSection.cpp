// The section "blink": the blink patterns of Frame_blinkmuster (four outputs)
// and Frame_blinkmuster_led (ten outputs), one block per decoder address.
#include "frames/Frame_blinkmuster/BlinkModel.h"

#include "settings/EditorKinds.h"
#include "settings/Sections.h"

#include <QCoreApplication>

namespace Settings {

namespace {

// The steps of a blink pattern: one character per output, '1' on, '0' off.
NodePtr stepText()
{
    auto node = std::make_shared<Node>();
    node->kind = Kind::String;
    node->min = 1;
    node->max = 10;
    node->characters = QStringLiteral("01");
    node->nullable = true;
    node->name = counted(QT_TRANSLATE_NOOP("SettingNames", "Schritt %1"));
    return node;
}

NodePtr shape()
{
    static const NodePtr built =
        array(object({{QStringLiteral("count"), editedInteger(fixed(QT_TRANSLATE_NOOP("SettingNames", "Anzahl")))},
                      {QStringLiteral("stretch"), editedInteger(fixed(QT_TRANSLATE_NOOP("SettingNames", "Stretch")))},
                      {QStringLiteral("loop"), boolean(fixed(QT_TRANSLATE_NOOP("SettingNames", "Loop")))},
                      {QStringLiteral("outputs"), array(boolean(counted(QT_TRANSLATE_NOOP("SettingNames", "Ausgang %1 benutzt")), true), 10)},
                      {QStringLiteral("steps"), array(stepText(), 100)}},
                     counted(QT_TRANSLATE_NOOP("SettingNames", "Blinkmuster Adresse %1"))),
              4);
    return built;
}

QString stepText(const BlinkModel &m, int step)
{
    QString text;
    for (int output = 0; output < m.layout().outputs; ++output)
        text += m.stepOn(output, step) ? QLatin1Char('1') : QLatin1Char('0');
    return text;
}

QJsonObject blockOf(const BlinkModel &m)
{
    QJsonArray steps;
    for (int i = 0; i < m.paintableSteps(); ++i)
        steps.append(stepText(m, i));
    return {{QStringLiteral("count"), m.count()},
            {QStringLiteral("stretch"), m.stretch()},
            {QStringLiteral("loop"), m.loop()},
            {QStringLiteral("outputs"), arrayOf(m.layout().outputs, [&](int k) { return QJsonValue(m.outputUsed(k)); })},
            {QStringLiteral("steps"), steps}};
}

std::optional<Fault> applySteps(BlinkModel &m, const QJsonValue &value, const QString &path, bool &changed)
{
    return eachElement(value, path, [&](int step, const QJsonValue &text, const QString &at) -> std::optional<Fault> {
        const QString wanted = text.toString();
        if (wanted.size() != m.layout().outputs)
            return Fault{at, QCoreApplication::translate("SettingsDocument", "\"%1\" ist nicht je eine 0 oder 1 für jeden der %2 Ausgänge").arg(wanted).arg(m.layout().outputs)};
        // A step beyond the pattern's steps may stay as it is stored.
        if (step < m.layout().maxCount && wanted == stepText(m, step))
            return std::nullopt;
        if (step >= m.paintableSteps())
            return Fault{at, QCoreApplication::translate("SettingsDocument", "das Muster hat %1 Schritte").arg(m.paintableSteps())};
        for (int output = 0; output < m.layout().outputs; ++output)
            m.setStep(output, step, wanted[output] == QLatin1Char('1'));
        changed = true;
        return std::nullopt;
    });
}

std::optional<Fault> applyOutputs(BlinkModel &m, const QJsonValue &value, const QString &path, bool &changed)
{
    return eachElement(value, path, [&](int k, const QJsonValue &used, const QString &at) -> std::optional<Fault> {
        if (k >= m.layout().outputs)
            return Fault{at, QCoreApplication::translate("SettingsDocument", "das Muster hat %1 Ausgänge").arg(m.layout().outputs)};
        if (used.toBool() != m.outputUsed(k)) {
            m.setOutputUsed(k, used.toBool());
            changed = true;
        }
        return std::nullopt;
    });
}

std::optional<Fault> applyBlock(BlinkModel &m, const QJsonObject &block, const QString &path, bool &changed)
{
    // Choosing the address limits its count and stretch, as the editor does.
    const QJsonObject before = blockOf(m);
    for (const QString &key : {QStringLiteral("count"), QStringLiteral("stretch")}) {
        const QJsonValue value = block.value(key);
        if (value.isUndefined() || value.isNull() || value == before.value(key))
            continue;
        const int wanted = intOf(value);
        const auto entry = key == QStringLiteral("count") ? m.typeCount(QString::number(wanted))
                                                           : m.typeStretch(QString::number(wanted));
        if (auto fault = typed(entry, pathOf(path, key), wanted))
            return fault;
        changed = true;
    }
    const QJsonValue loop = block.value(QStringLiteral("loop"));
    if (loop.isBool() && loop.toBool() != m.loop()) {
        m.setLoop(loop.toBool());
        changed = true;
    }
    if (auto fault = applyOutputs(m, block.value(QStringLiteral("outputs")), pathOf(path, QStringLiteral("outputs")), changed))
        return fault;
    return applySteps(m, block.value(QStringLiteral("steps")), pathOf(path, QStringLiteral("steps")), changed);
}

// The editor holds a working copy: the image gets it only when a setting changed.
class BlinkEditor : public LoadedEditor {
public:
    BlinkEditor(DecoderSession &session, const PatternLayout &layout) : session_(session), model_(layout)
    {
        model_.load(session.image);
    }

    // Each address as the editor shows it after choosing it; the working
    // copy is not written anywhere.
    QJsonValue exported() override
    {
        const BlinkModel::State before = model_.snapshot();
        const bool changed = model_.hasChanges();
        QJsonArray blocks;
        for (int block = 0; block < PatternLayout::Blocks; ++block) {
            model_.selectBlock(block);
            blocks.append(blockOf(model_));
        }
        model_.restore(before, changed);
        return blocks;
    }

    std::optional<Fault> apply(const QJsonValue &section) override
    {
        return eachElement(section, QStringLiteral("blink"), [&](int block, const QJsonValue &element, const QString &path) {
            // An address whose settings all stay as they are is not chosen, so
            // that choosing it does not limit its count and stretch in the image.
            const BlinkModel::State before = model_.snapshot();
            const bool changedBefore = model_.hasChanges();
            model_.selectBlock(block);
            bool changed = false;
            auto fault = applyBlock(model_, element.toObject(), path, changed);
            if (changed)
                changed_ = true;
            else
                model_.restore(before, changedBefore);
            return fault;
        });
    }

    void writeChanges() override
    {
        if (changed_)
            model_.apply(session_.image);
    }

private:
    DecoderSession &session_;
    BlinkModel model_;
    bool changed_ = false;
};

std::unique_ptr<LoadedEditor> load(DecoderSession &session)
{
    const EditorKind *kind = editorKind(session.editorFrame());
    if (!kind || !kind->patternLayout)
        return nullptr;
    return std::make_unique<BlinkEditor>(session, kind->patternLayout());
}

} // namespace

const EditorSection &blinkSection()
{
    static const EditorSection section{QStringLiteral("blink"), shape, load};
    return section;
}

} // namespace Settings
