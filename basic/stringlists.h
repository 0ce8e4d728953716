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
#include <string_view>
#include <vector>

class TStringList {
public:
    virtual ~TStringList() = default;

    int Count() const { return static_cast<int>(items_.size()); }
    // 0-based access; the index must lie in 0 .. Count() - 1.
    const std::string& Strings(int index) const { return items_[index]; }
    void Put(int index, const std::string& text) { items_[index] = text; }

    virtual int Add(const std::string& text);
    // Delete and Insert throw PlatformError for an index outside the list.
    virtual void Delete(int index);
    // Index of the first item equal byte for byte to text, or -1.
    virtual int IndexOf(const std::string& text) const;
    void Insert(int index, const std::string& text);
    void Clear() { items_.clear(); }

    // Every item followed by CR LF.
    std::string Text() const;
    // Replaces the items by the lines of text, split as AddLines splits.
    virtual void SetText(const std::string& text);

    // Replaces the items by the lines of the file, split as AddLines splits in
    // every class (TCadenes' own SetText is not used). Throws PlatformError,
    // leaving the items as they were, when the file cannot be read.
    void LoadFromFile(const std::string& path);
    // Writes atomically (a temporary file, then a rename), so a failure never
    // leaves a truncated file. Throws PlatformError when it cannot be written.
    void SaveToFile(const std::string& path) const;

    // Adds the lines of text through Add, without clearing the list first: a
    // line ends at CR LF, a lone CR or a lone LF; the first NUL byte ends the
    // text; a line end at the very end adds no empty last line.
    void AddLines(std::string_view text);

protected:
    std::vector<std::string> items_;
};

class TArrayCadena : public TStringList {
public:
    // Add drops trailing / leading blanks (byte 32) of what it adds.
    bool TrimRightOnAdd = false;
    bool TrimLeftOnAdd = false;
    // Searches compare ASCII upper-case forms (items are never trimmed there).
    bool IgnoreCase = false;

    int Add(const std::string& text) override;
    // Deletes the item at the 1-based position.
    void Delete(int position) override;
    // 0-based index of the first item equal to text prepared as Add prepares
    // it (trimmed as the options say), or -1.
    int IndexOf(const std::string& text) const override;

    // Empty outside 1 .. Count(); never fails.
    std::string ItemAt(int position) const;
    // Adds empty items up to the position first; a position below 1 throws
    // PlatformError.
    void SetItemAt(int position, const std::string& text);
    // 1-based position of the first equal item (as IndexOf), 0 when absent.
    int Position(const std::string& text) const;
    // Position of text, adding it first when absent.
    int PositionOrAdd(const std::string& text);

private:
    std::string Prepared(const std::string& text) const;
};

class TCadenes : public TStringList {
public:
    // Appends the lines of text without clearing the list first. CR LF, a
    // lone CR or a lone LF ends a line; NUL bytes never cut the text short: in
    // an ended line each becomes a blank, an unended last line keeps them.
    void SetText(const std::string& text) override;
};

// Option bits of SplitFields.
enum : uint8_t {
    sfNoTrim = 1,            // neither the text nor the fields lose their blanks
    sfIgnoreQuotes = 2,      // quotes neither protect a separator nor are stripped
    sfBalancedParens = 4,    // split only where "(" and ")" before are balanced
    sfKeepQuotes = 8,        // keep the double quotes around a field
    sfNoEmptyLastField = 16  // a separator ending the text opens no empty field
};

// The most fields SplitFields stores; the rest of a longer text is dropped.
constexpr int kMaxSplitFields = 499;

// Splits text into fields stored at fields[1], fields[2], ... (fields[0] is
// never used; fields ends up with kMaxSplitFields + 1 entries) and returns
// their count, 0 for a text of blanks only. A separator inside double quotes
// does not split, and a run of blanks is one blank separator.
int SplitFields(const std::string& text, const std::string& separator,
                std::vector<std::string>& fields, uint8_t options);
// The same fields as a list of their own (the first at index 0), for a caller
// that splits line after line.
std::vector<std::string> SplitFieldList(const std::string& text, const std::string& separator,
                                        uint8_t options);
