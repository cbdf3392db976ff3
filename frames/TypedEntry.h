#pragma once
#include <QString>
#include <optional>

// What one change of an edit's text gives: nothing to do (an empty text is
// never an error), a refusal with its warning, or a value to store. Every
// typed number of every editor is read into this one shape.
template <class T> struct TypedEntry {
    enum class Kind { Empty, Refused, Accepted };
    Kind kind = Kind::Empty;
    // The value to store when accepted, already limited to the edit's range.
    T value{};
    // The number as it was typed, where the text was one; it differs from
    // value when the entry was limited without a word.
    std::optional<T> typed;
    // The warning when refused.
    QString message;

    static TypedEntry empty() { return {}; }
    static TypedEntry refused(const QString &warning, std::optional<T> typedNumber = std::nullopt)
    {
        return {Kind::Refused, T{}, typedNumber, warning};
    }
    static TypedEntry accepted(T stored, std::optional<T> typedNumber = std::nullopt)
    {
        return {Kind::Accepted, stored, typedNumber ? typedNumber : std::optional<T>(stored), QString()};
    }

    bool isEmpty() const { return kind == Kind::Empty; }
    bool isRefused() const { return kind == Kind::Refused; }
    bool isAccepted() const { return kind == Kind::Accepted; }
};
