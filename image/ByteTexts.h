#pragma once
#include "image/HexByte.h"

#include <QString>
#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <iterator>
#include <vector>

// A fixed number of byte texts, as the image holds its ROM and EEPROM: each
// text exactly as it was read or typed, at two bytes per byte. A text that is
// one of the 256 upper-case texts "00".."FF" (nearly all of them) is kept as
// its value; any other text (lower case, a damaged byte, an empty one) is kept
// as it is, on the side.
//
// Reading gives a const QString &, writing takes any QString, as with an
// array of QStrings. A text read by reference stays valid while other bytes
// are written, until the whole array is filled or assigned.
template <std::size_t N>
class ByteTexts {
public:
    // A byte as a writable place: assign a text to it, or read it as a text.
    class Ref {
    public:
        operator const QString &() const { return owner_->at(index_); }
        const QString &text() const { return owner_->at(index_); }
        Ref &operator=(const QString &text)
        {
            owner_->set(index_, text);
            return *this;
        }
        Ref &operator=(const Ref &other) { return *this = other.text(); }

        template <typename T>
        friend bool operator==(const Ref &ref, const T &other)
        {
            return ref.text() == other;
        }
        template <typename T>
        friend bool operator!=(const Ref &ref, const T &other)
        {
            return ref.text() != other;
        }

    private:
        friend class ByteTexts;
        Ref(ByteTexts *owner, std::size_t index) : owner_(owner), index_(index) {}
        ByteTexts *owner_;
        std::size_t index_;
    };

    class const_iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = QString;
        using difference_type = std::ptrdiff_t;
        using pointer = const QString *;
        using reference = const QString &;
        const_iterator(const ByteTexts *owner, std::size_t index) : owner_(owner), index_(index) {}
        const QString &operator*() const { return owner_->at(index_); }
        const_iterator &operator++()
        {
            ++index_;
            return *this;
        }
        bool operator==(const const_iterator &other) const { return index_ == other.index_; }
        bool operator!=(const const_iterator &other) const { return index_ != other.index_; }

    private:
        const ByteTexts *owner_;
        std::size_t index_;
    };

    // Every text empty, as before anything is loaded.
    ByteTexts() { codes_.fill(EmptyCode); }

    static constexpr std::size_t size() { return N; }
    const QString &operator[](std::size_t i) const { return at(i); }
    Ref operator[](std::size_t i) { return Ref(this, i); }
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, N}; }

    const QString &at(std::size_t i) const
    {
        const std::uint16_t code = codes_[i];
        if (code < OddBase)
            return hexByte(code);
        if (code == EmptyCode)
            return emptyText();
        return odd_[code - OddBase];
    }

    void set(std::size_t i, const QString &text)
    {
        const int value = usualValue(text);
        if (value >= 0) {
            setValue(i, value);
        } else if (text.isEmpty()) {
            releaseOdd(i);
            codes_[i] = EmptyCode;
        } else {
            setOdd(i, text);
        }
    }

    // The same as set(i, hexByte(value)), for 0..255.
    void setValue(std::size_t i, int value)
    {
        if (codes_[i] >= OddBase)
            releaseOdd(i);
        codes_[i] = static_cast<std::uint16_t>(value);
    }

    void fill(const QString &text)
    {
        odd_.clear();
        free_.clear();
        const int value = usualValue(text);
        codes_.fill(value >= 0 ? static_cast<std::uint16_t>(value) : EmptyCode);
        if (value < 0 && !text.isEmpty()) {
            for (std::size_t i = 0; i < N; ++i)
                setOdd(i, text);
        }
    }

    // Equal when every byte has the same text.
    bool operator==(const ByteTexts &other) const
    {
        if (odd_.empty() && other.odd_.empty())
            return codes_ == other.codes_;
        for (std::size_t i = 0; i < N; ++i) {
            if (at(i) != other.at(i))
                return false;
        }
        return true;
    }
    bool operator!=(const ByteTexts &other) const { return !(*this == other); }

private:
    // Codes below OddBase are byte values; OddBase + k stands for odd_[k];
    // EmptyCode for an empty text.
    static constexpr std::uint16_t OddBase = 256;
    static constexpr std::uint16_t EmptyCode = 0xFFFF;

    static const QString &emptyText()
    {
        static const QString empty;
        return empty;
    }

    // The value of a text that is one of the 256 usual texts, else -1.
    static int usualValue(const QString &text)
    {
        if (text.size() != 2)
            return -1;
        const int value = HexByteValue(text);
        return text == hexByte(value) ? value : -1;
    }

    void setOdd(std::size_t i, const QString &text)
    {
        if (codes_[i] >= OddBase && codes_[i] != EmptyCode) { // the byte's own place on the side
            odd_[codes_[i] - OddBase] = text;
            return;
        }
        std::size_t k;
        if (!free_.empty()) {
            k = free_.back();
            free_.pop_back();
            odd_[k] = text;
        } else {
            k = odd_.size();
            odd_.push_back(text);
        }
        codes_[i] = static_cast<std::uint16_t>(OddBase + k);
    }

    void releaseOdd(std::size_t i)
    {
        if (codes_[i] < OddBase || codes_[i] == EmptyCode)
            return;
        const std::size_t k = codes_[i] - OddBase;
        odd_[k] = QString();
        free_.push_back(static_cast<std::uint16_t>(k));
    }

    static_assert(N < EmptyCode - OddBase, "codes must fit in 16 bits");
    std::array<std::uint16_t, N> codes_;
    std::deque<QString> odd_;  // a deque: references to its texts survive growth
    std::vector<std::uint16_t> free_;
};
