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

struct Node {
    Kind kind = Kind::Integer;
    int min = 0;           // Integer: the range; String: the shortest text
    int max = 0;           // Integer: the range; Array: the most elements; String: the longest text
    bool nullable = false; // null stands for "left out"
    std::vector<Field> fields;           // Object, in the editors' order
    std::shared_ptr<const Node> element; // Array
    QStringList choices;                 // String: the only texts allowed, when given
    QString characters;                  // String: the only characters allowed, when given
    Namer name;                          // the setting's name in a comparison
    // Settings of the document's frame (source, decoder, format) are no setting.
    bool compared = true;

    const Node *child(const QString &key) const;
};

// The whole document.
const Node &documentShape();

// Checks a document against the shape: the format version, every key known,
// every value of its kind and within its range.
std::optional<Fault> checkDocument(const QJsonObject &document);

// Reads and checks a document's text.
struct ReadDocument {
    QJsonObject document;
    std::optional<Fault> fault;
};
ReadDocument readDocument(const QByteArray &text);

// Path texts: "servo" + "curves" -> "servo.curves", "servo.curves" + 1 -> "servo.curves[1]".
QString pathOf(const QString &parent, const QString &key);
QString pathOf(const QString &parent, int index);

} // namespace Settings
