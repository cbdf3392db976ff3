// The document's frame: the format version, the decoder and the source, around
// the sections of the slots and of each editor (Sections.h).
#include "settings/SettingsDocument.h"

#include "image/SafeText.h"
#include "settings/EditorKinds.h"
#include "settings/Sections.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>

namespace Settings {

namespace {

NodePtr buildDocumentShape()
{
    const bool notCompared = false;
    NodePtr version = integer(0, 0x7FFFFFFF);
    auto source = object({{QStringLiteral("file"), text()}, {QStringLiteral("sha256"), text()}}, {}, notCompared);
    auto decoder = object({{QStringLiteral("typeCode"), integer(0, 0x7FFFFFFF)},
                           {QStringLiteral("label"), text()},
                           {QStringLiteral("version"), text()},
                           {QStringLiteral("protocol"), text({}, {QStringLiteral("Mot"), QStringLiteral("DCC"),
                                                                  QStringLiteral("ohne")})}},
                          {}, notCompared);
    std::vector<Field> fields{{QStringLiteral("formatVersion"), version},
                              {QStringLiteral("source"), source},
                              {QStringLiteral("decoder"), decoder},
                              {QStringLiteral("slots"), slotsShape()}};
    for (const EditorSection *section : editorSections())
        fields.push_back({section->key, section->shape()});
    auto root = std::make_shared<Node>(*object(std::move(fields)));
    root->nullable = false;
    return root;
}

// The editors of the session's type, loaded as the window loads them when it
// shows the type's editor.
struct LoadedEditors {
    explicit LoadedEditors(DecoderSession &session)
    {
        const EditorKind *kind = editorKind(session.editorFrame());
        if (!kind)
            return;
        const EditorSection *section = &kind->section();
        if (auto editor = section->load(session))
            editors.push_back({section, std::move(editor)});
    }
    const LoadedEditor *of(const EditorSection *section) const
    {
        for (const auto &[owner, editor] : editors) {
            if (owner == section)
                return editor.get();
        }
        return nullptr;
    }
    std::vector<std::pair<const EditorSection *, std::unique_ptr<LoadedEditor>>> editors;
};

QString typeName(int typeCode)
{
    const DecoderType *type = findDecoderType(typeCode);
    return type ? QStringLiteral("%1 (%2)").arg(typeCode).arg(type->label) : QString::number(typeCode);
}

std::optional<Fault> checkDecoder(const DecoderSession &session, const QJsonObject &document)
{
    const QJsonValue code = document.value(QStringLiteral("decoder")).toObject().value(QStringLiteral("typeCode"));
    if (!code.isDouble())
        return Fault{QStringLiteral("decoder.typeCode"), QCoreApplication::translate("SettingsDocument", "fehlt: das Dokument muss seinen Decoder-Typ nennen")};
    if (intOf(code) != session.typeCode())
        return Fault{QStringLiteral("decoder.typeCode"), QCoreApplication::translate("SettingsDocument", "ein Dokument für den Decoder-Typ %1 passt nicht in eine Datei vom Typ %2")
                                                             .arg(typeName(intOf(code)), typeName(session.typeCode()))};
    return std::nullopt;
}

// A section of the document for an editor the type does not have.
std::optional<Fault> sectionFault(const QJsonObject &document, const LoadedEditors &loaded)
{
    for (const EditorSection *section : editorSections()) {
        const QJsonValue value = document.value(section->key);
        if (!loaded.of(section) && !value.isUndefined() && !value.isNull())
            return Fault{section->key, QCoreApplication::translate("SettingsDocument", "dieser Decoder-Typ hat keinen solchen Editor")};
    }
    return std::nullopt;
}

std::optional<Fault> applySections(DecoderSession &session, LoadedEditors &loaded, const QJsonObject &document)
{
    if (auto fault = sectionFault(document, loaded))
        return fault;
    for (const auto &[section, editor] : loaded.editors) {
        if (auto fault = editor->apply(document.value(section->key)))
            return fault;
    }
    for (const auto &entry : loaded.editors)
        entry.second->writeChanges();
    return applySlots(session, document.value(QStringLiteral("slots")));
}

std::optional<Fault> buildLines(DecoderSession &session)
{
    if (auto fault = session.checkWritable())
        return Fault{QString(), *fault};
    if (session.buildHexLines() == 0)
        return Fault{QString(), DecoderSession::checksumProblemMessage()};
    return std::nullopt;
}

// JSON's own escape of a character that a terminal would act on or that
// reorders what follows: QJsonDocument escapes only C0 controls.
QByteArray withEscapedControls(const QByteArray &json)
{
    const QString text = QString::fromUtf8(json);
    if (!holdsRawControl(text))
        return json;
    QString escaped;
    escaped.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            escaped += c;
            escaped += text[++i];
        } else if (c != u'\n' && holdsRawControl(QString(c))) {
            escaped += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        } else {
            escaped += c;
        }
    }
    return escaped.toUtf8();
}

} // namespace

const Node &documentShape()
{
    static const NodePtr shape = buildDocumentShape();
    return *shape;
}

QJsonObject exportSettings(DecoderSession &session, const Source &source)
{
    const LoadedEditors loaded(session);
    QJsonObject document{
        {QStringLiteral("formatVersion"), FormatVersion},
        {QStringLiteral("source"),
         QJsonObject{{QStringLiteral("file"), source.fileName},
                     {QStringLiteral("sha256"), QString::fromLatin1(QCryptographicHash::hash(source.content, QCryptographicHash::Sha256).toHex())}}},
        {QStringLiteral("decoder"), QJsonObject{{QStringLiteral("typeCode"), session.typeCode()},
                                                {QStringLiteral("label"), session.type() ? session.type()->label : QString()},
                                                {QStringLiteral("version"), source.version},
                                                {QStringLiteral("protocol"), protocolPanelText(session.protocol())}}},
        {QStringLiteral("slots"), slotsJson(session)}};
    for (const auto &[section, editor] : loaded.editors)
        document[section->key] = editor->exported();
    return document;
}

QByteArray documentText(const QJsonObject &document)
{
    return withEscapedControls(QJsonDocument(document).toJson(QJsonDocument::Indented));
}

std::optional<Fault> applySettings(DecoderSession &session, const QJsonObject &document)
{
    if (auto fault = checkDocument(document))
        return fault;
    if (auto fault = checkDecoder(session, document))
        return fault;
    DecoderSession changed = session;
    {
        LoadedEditors loaded(changed);
        if (auto fault = applySections(changed, loaded, document))
            return fault;
    }
    if (auto fault = buildLines(changed))
        return fault;
    session = changed;
    return std::nullopt;
}

void takeLoadCorrections(DecoderSession &session)
{
    const LoadedEditors editors(session);
}

QStringList loadCorrections(const DecoderSession &session)
{
    DecoderSession loaded = session;
    takeLoadCorrections(loaded);
    QStringList lines;
    const auto compare = [&lines](const auto &before, const auto &after, const QString &area, int digits) {
        for (std::size_t k = 0; k < before.size(); ++k) {
            if (before[k] != after[k])
                lines << QStringLiteral("%1 %2: %3 -> %4")
                             .arg(area, QStringLiteral("%1").arg(k, digits, 16, QLatin1Char('0')).toUpper(), before[k], after[k]);
        }
    };
    compare(session.image.rom, loaded.image.rom, QCoreApplication::translate("SettingNames", "ROM-Byte"), 3);
    compare(session.image.eeprom, loaded.image.eeprom, QCoreApplication::translate("SettingNames", "EEPROM-Byte"), 2);
    return lines;
}

} // namespace Settings
