#pragma once
// The shape of a settings document: which keys each object may hold, in the
// order the editors show them, the kind and range of every value, and what a
// comparison calls each setting. Reading a document checks it against this
// shape before any rule of a decoder type is asked.
#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace Settings {

constexpr int FormatVersion = 1;

// A fault of a document or of one of its settings: the JSON path of the value
// ("servo.curves[1].points[7]") and what is wrong with it.
struct Fault {
    QString path;
    QString message;
    QString text() const { return path.isEmpty() ? message : path + QStringLiteral(": ") + message; }
};

enum class Kind { Object, Array, Integer, Boolean, String };

struct Node;
struct Field {
    QString key;
    std::shared_ptr<const Node> node;
};

// What a comparison calls a setting, given the document's type code and the
// index of the array element it belongs to (-1 outside arrays).
using Namer = std::function<QString(int typeCode, int index)>;

// A rule of a whole value beyond its shape ("the same slot twice"), given its path.
using Rule = std::function<std::optional<Fault>(const QJsonValue &value, const QString &path)>;

// A comparison of a value that is compared whole rather than field by field:
// the second value's differing part (undefined where nothing differs), with a
// line for each difference added. sameType: both documents are of one decoder type.
using WholeComparer =
    std::function<QJsonValue(const QJsonValue &first, const QJsonValue &second, bool sameType, QStringList &lines)>;

struct Node {
    Kind kind = Kind::Integer;
    int min = 0;           // Integer: the range; String: the shortest text
    int max = 0;           // Integer: the range; Array: the most elements; String: the longest text
    bool nullable = false; // null stands for "left out"
    std::vector<Field> fields;           // Object, in the editors' order
    std::shared_ptr<const Node> element; // Array
    QStringList choices;                 // String: the only texts allowed, when given (see choiceText())
    QString characters;                  // String: the only characters allowed, when given
    Namer name;                          // the setting's name in a comparison
    Rule rule;                           // checked after the shape, when given
    WholeComparer compareWhole;          // compares the value whole, when given
    // Settings of the document's frame (source, decoder, format) are no setting.
    bool compared = true;

    const Node *child(const QString &key) const;
};

using NodePtr = std::shared_ptr<const Node>;

// The whole document: the frame (format version, source, decoder) and the
// section of the slots and of each editor.
const Node &documentShape();

// Building blocks of a shape. A fixed name, or one counted from 1 by the
// element's index ("Kurve %1" for element 0 is "Kurve 1"). Each is a German
// text marked with QT_TRANSLATE_NOOP("SettingNames", ...) where the shape
// gives it, and comes in the reader's language when the name is asked for.
Namer fixed(const char *name);
Namer counted(const char *pattern);
// A choice of a text setting as a person reads it, in the reader's language;
// the document keeps the value itself in every language. The choices are
// marked as the names are.
QString choiceText(const QString &value);
// A yes/no setting's value as a person reads it: "ein", "aus".
QString onOffText(bool on);
NodePtr integer(int min, int max, Namer name = {}, bool nullable = false);
// A whole number that the editor's own rule takes or refuses when the
// document is applied, with the editor's message naming the range it stores
// (the shape asks only for a number an int holds).
NodePtr editedInteger(Namer name = {}, bool nullable = false);
NodePtr boolean(Namer name = {}, bool nullable = false);
NodePtr text(Namer name = {}, QStringList choices = {}, bool compared = true);
// Objects may be null (left out).
NodePtr object(std::vector<Field> fields, Namer name = {}, bool compared = true);
NodePtr array(NodePtr element, int max);

// Checks a document against the shape: the format version, every key known,
// every value of its kind and within its range.
std::optional<Fault> checkDocument(const QJsonObject &document);

// Reads and checks a document's text: JSON (after a UTF-8 byte order mark, if
// any) of the document's shape that says each thing once: no key twice in an
// object, no slot twice, no raw control character in a text.
struct ReadDocument {
    QJsonObject document;
    std::optional<Fault> fault;
};
ReadDocument readDocument(const QByteArray &text);

// Whether a file's text is taken for a settings document rather than a HEX
// file: it starts with '{' after a UTF-8 byte order mark and blanks.
bool isDocumentText(const QByteArray &content);

// Path texts: "servo" + "curves" -> "servo.curves", "servo.curves" + 1 -> "servo.curves[1]".
QString pathOf(const QString &parent, const QString &key);
QString pathOf(const QString &parent, int index);

} // namespace Settings
