#pragma once

// String lists of byte strings (any byte, NUL included).
//
// TStringList is the small base list the program needs: 0-based items, Add,
// Delete and IndexOf as virtual operations, the text joined with CR LF, and the
// line file (save as 8-bit lines each ended by CR LF; load splitting at CR LF,
// lone CR or lone LF, stopping at the first NUL byte).
//
// TArrayCadena addresses its items by 1-based positions, grows when written
// past its end and reads as empty outside it. TCadenes appends the lines of an
// assigned text and tolerates NUL bytes in it.

#include <cstdint>
#include <string>
#include <vector>

class TStringList {
public:
    virtual ~TStringList() = default;

    int Count() const { return static_cast<int>(items_.size()); }
    // 0-based access; the index must lie in 0 .. Count() - 1.
    const std::string& Strings(int index) const { return items_[index]; }
    void Put(int index, const std::string& text) { items_[index] = text; }

    virtual int Add(const std::string& text);
    virtual void Delete(int index);
    virtual int IndexOf(const std::string& text) const;
    void Insert(int index, const std::string& text);
    void Clear() { items_.clear(); }

    // Every item followed by CR LF.
    std::string Text() const;
    // Replaces the items by the lines of text (split as the line file is).
    virtual void SetText(const std::string& text);

    // Throws PlatformError when the file cannot be read.
    void LoadFromFile(const std::string& path);
    // Writes atomically (a temporary file, then a rename), so a failure never
    // leaves a truncated file. Throws PlatformError when it cannot be written.
    void SaveToFile(const std::string& path) const;

protected:
    std::vector<std::string> items_;
};

class TArrayCadena : public TStringList {
public:
    bool TrimRightOnAdd = false;
    bool TrimLeftOnAdd = false;
    bool IgnoreCase = false;

    int Add(const std::string& text) override;
    // Deletes the item at the 1-based position.
    void Delete(int position) override;
    int IndexOf(const std::string& text) const override;

    std::string ItemAt(int position) const;
    void SetItemAt(int position, const std::string& text);
    int Position(const std::string& text) const;
    int PositionOrAdd(const std::string& text);
};

class TCadenes : public TStringList {
public:
    // Appends the lines of text without clearing the list first.
    void SetText(const std::string& text) override;
};

// Splits text into fields stored at fields[1], fields[2], ... (fields[0] is
// never used) and returns their count; see the .cpp for the option bits.
int SplitFields(const std::string& text, const std::string& separator,
                std::vector<std::string>& fields, uint8_t options);
