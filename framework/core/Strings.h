// TStrings: a list of lines, each with an optional object, as lists of items, memo lines and name=value
// settings use it; TStringList keeps the lines in memory. Window-backed lists (memo lines, list box items)
// derive from TStrings elsewhere. Indexes out of range raise EStringListError "List index out of bounds (N)".
#pragma once

#include "framework/core/Events.h"
#include "framework/core/Persistent.h"

#include <string>
#include <string_view>
#include <vector>

class TStrings : public TPersistent {
    VSK_CLASS(TStrings, TPersistent)

public:
    // What a concrete list provides.
    virtual int Count() const = 0;
    virtual std::string Get(int Index) const = 0;
    virtual void Insert(int Index, const std::string& S) = 0;
    virtual void Delete(int Index) = 0;
    virtual void Clear() = 0;
    // Replaces a line, keeping its object. The default deletes and inserts.
    virtual void Put(int Index, const std::string& S);
    // Lists without objects return null and ignore PutObject.
    virtual TObject* GetObject(int Index) const;
    virtual void PutObject(int Index, TObject* AObject);

    std::string operator[](int Index) const { return Get(Index); }
    TObject* Objects(int Index) const { return GetObject(Index); }
    void SetObjects(int Index, TObject* AObject) { PutObject(Index, AObject); }

    // Return the index of the new line.
    int Add(const std::string& S);
    int AddObject(const std::string& S, TObject* AObject);
    void InsertObject(int Index, const std::string& S, TObject* AObject);
    void AddStrings(const TStrings& Strings);
    void Move(int CurIndex, int NewIndex);

    // Searches ignore letter case; -1 when not found.
    int IndexOf(std::string_view S) const;
    int IndexOfName(std::string_view Name) const;
    int IndexOfObject(const TObject* AObject) const;

    // name=value lines: Names(i) is the part before the first '=', ValueFromIndex(i) the part after it.
    std::string Names(int Index) const;
    std::string ValueFromIndex(int Index) const;
    // The value of the first line named Name, empty when there is none.
    std::string Values(std::string_view Name) const;
    // Sets or adds the line Name=Value; an empty Value deletes the line.
    void SetValue(std::string_view Name, const std::string& Value);

    // The lines joined with CR LF (none after the last). SetText splits at CR LF, CR or LF; an empty text
    // is no lines at all, and a final line break begins an empty last line.
    std::string Text() const;
    void SetText(std::string_view Value);
    // The lines as a whole; published as "Strings", so that descriptions say Items.Strings = ('a' 'b').
    std::vector<std::string> Lines() const;
    void SetLines(const std::vector<std::string>& Value);

    void Assign(const TPersistent& Source) override;

    // Changes between BeginUpdate and the matching EndUpdate fire OnChange once, at the end.
    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return FUpdateCount; }

    TNotifyEvent OnChange;

protected:
    // Lists call it after each change; it fires OnChange unless an update is in progress.
    void Changed();
    // Told when the first BeginUpdate starts an update (true) and the last EndUpdate ends it (false).
    virtual void SetUpdateState(bool Updating);
    [[noreturn]] static void IndexError(int Index);

private:
    int FUpdateCount = 0;
};

class TStringList : public TStrings {
    VSK_CLASS(TStringList, TStrings)

public:
    TStringList() = default;
    TStringList(std::initializer_list<std::string> Lines);

    int Count() const override { return static_cast<int>(FItems.size()); }
    std::string Get(int Index) const override;
    void Put(int Index, const std::string& S) override;
    TObject* GetObject(int Index) const override;
    void PutObject(int Index, TObject* AObject) override;
    void Insert(int Index, const std::string& S) override;
    void Delete(int Index) override;
    void Clear() override;

private:
    struct TItem {
        std::string S;
        TObject* Object = nullptr;
    };
    const TItem& Item(int Index) const;
    TItem& Item(int Index);

    std::vector<TItem> FItems;
};
