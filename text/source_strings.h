#pragma once
// Line-list views of a memo source: its whole text (`Lines`) and its
// selection.
#include <string>
#include <string_view>

namespace tessorin {

class TCustomMemoSource;

class TSourceStrings {
public:
    explicit TSourceStrings(TCustomMemoSource& source) : FSource(source) {}
    virtual ~TSourceStrings() = default;
    TSourceStrings(const TSourceStrings&) = delete;
    TSourceStrings& operator=(const TSourceStrings&) = delete;

    TCustomMemoSource& Source() const { return FSource; }

    virtual int Count() const = 0;
    virtual std::u16string Get(int i) const = 0;
    virtual void Put(int i, const std::u16string& text) = 0;
    virtual void Insert(int i, const std::u16string& text) = 0;
    virtual void Delete(int i) = 0;
    virtual void Clear() = 0;
    void Exchange(int, int) {}
    void Add(const std::u16string& text) { Insert(Count(), text); }

    // The lines, each followed by CR LF.
    virtual std::u16string Text() const;

protected:
    TCustomMemoSource& FSource;
};

// The `Lines` property. Every write keeps the user's caret and selection
// where the text around them moved, and empties both undo lists.
class TExternalStrings final : public TSourceStrings {
public:
    using TSourceStrings::TSourceStrings;

    int Count() const override;
    std::u16string Get(int i) const override;
    void Put(int i, const std::u16string& text) override;
    void Insert(int i, const std::u16string& text) override;
    void Delete(int i) override;
    void Clear() override;
    std::u16string Text() const override;
    // Replaces all lines; CR LF, CR and LF all end a line.
    void SetText(std::u16string_view text);
    void Assign(const TSourceStrings& other);

    void BeginUpdate();
    void EndUpdate();

private:
    void LoadLines(std::u16string_view text);
};

// The selection as lines: stream parts or padded column slices.
class TSelectionStrings final : public TSourceStrings {
public:
    using TSourceStrings::TSourceStrings;

    int Count() const override;
    std::u16string Get(int i) const override;
    void Put(int, const std::u16string&) override {}
    void Insert(int, const std::u16string&) override {}
    void Delete(int) override {}
    void Clear() override; // deletes the selected text
};

} // namespace tessorin
