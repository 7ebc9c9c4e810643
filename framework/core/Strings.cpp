#include "framework/core/Strings.h"

#include "framework/core/Exceptions.h"
#include "framework/core/Properties.h"
#include "framework/core/TextUtils.h"

namespace {

constexpr std::string_view LineBreak = "\r\n";
constexpr char NameValueSeparator = '=';

} // namespace

VSK_IMPLEMENT_CLASS(TStrings)

void TStrings::Publish(TPublisher<TStrings>& p) {
    p.Strings("Strings", &TStrings::Lines, &TStrings::SetLines);
}

void TStrings::IndexError(int Index) {
    throw EStringListError("List index out of bounds (" + std::to_string(Index) + ")");
}

void TStrings::Put(int Index, const std::string& S) {
    TObject* Object = GetObject(Index);
    BeginUpdate();
    Delete(Index);
    InsertObject(Index, S, Object);
    EndUpdate();
}

TObject* TStrings::GetObject(int) const {
    return nullptr;
}

void TStrings::PutObject(int, TObject*) {}

int TStrings::Add(const std::string& S) {
    int Index = Count();
    Insert(Index, S);
    return Index;
}

int TStrings::AddObject(const std::string& S, TObject* AObject) {
    int Index = Add(S);
    PutObject(Index, AObject);
    return Index;
}

void TStrings::InsertObject(int Index, const std::string& S, TObject* AObject) {
    Insert(Index, S);
    PutObject(Index, AObject);
}

void TStrings::AddStrings(const TStrings& Strings) {
    BeginUpdate();
    for (int I = 0, N = Strings.Count(); I < N; ++I)
        AddObject(Strings.Get(I), Strings.GetObject(I));
    EndUpdate();
}

void TStrings::Move(int CurIndex, int NewIndex) {
    if (CurIndex == NewIndex) return;
    if (NewIndex < 0 || NewIndex >= Count()) IndexError(NewIndex);
    std::string S = Get(CurIndex);
    TObject* Object = GetObject(CurIndex);
    BeginUpdate();
    Delete(CurIndex);
    InsertObject(NewIndex, S, Object);
    EndUpdate();
}

int TStrings::IndexOf(std::string_view S) const {
    for (int I = 0; I < Count(); ++I)
        if (SameText(Get(I), S)) return I;
    return -1;
}

int TStrings::IndexOfName(std::string_view Name) const {
    for (int I = 0; I < Count(); ++I) {
        std::string Line = Get(I);
        std::size_t Separator = Line.find(NameValueSeparator);
        if (Separator != std::string::npos && SameText(std::string_view(Line).substr(0, Separator), Name)) return I;
    }
    return -1;
}

int TStrings::IndexOfObject(const TObject* AObject) const {
    for (int I = 0; I < Count(); ++I)
        if (GetObject(I) == AObject) return I;
    return -1;
}

std::string TStrings::Names(int Index) const {
    std::string Line = Get(Index);
    std::size_t Separator = Line.find(NameValueSeparator);
    return Separator == std::string::npos ? std::string() : Line.substr(0, Separator);
}

std::string TStrings::ValueFromIndex(int Index) const {
    std::string Line = Get(Index);
    std::size_t Separator = Line.find(NameValueSeparator);
    return Separator == std::string::npos ? std::string() : Line.substr(Separator + 1);
}

std::string TStrings::Values(std::string_view Name) const {
    int Index = IndexOfName(Name);
    return Index < 0 ? std::string() : ValueFromIndex(Index);
}

void TStrings::SetValue(std::string_view Name, const std::string& Value) {
    int Index = IndexOfName(Name);
    std::string Line = std::string(Name) + NameValueSeparator + Value;
    if (Value.empty()) {
        if (Index >= 0) Delete(Index);
    } else if (Index < 0) {
        Add(Line);
    } else {
        Put(Index, Line);
    }
}

std::string TStrings::Text() const {
    std::string Result;
    for (int I = 0; I < Count(); ++I) {
        if (I > 0) Result += LineBreak;
        Result += Get(I);
    }
    return Result;
}

void TStrings::SetText(std::string_view Value) {
    std::vector<std::string> Result;
    if (!Value.empty()) {
        std::string Line;
        for (std::size_t I = 0; I < Value.size(); ++I) {
            char C = Value[I];
            if (C != '\r' && C != '\n') {
                Line += C;
                continue;
            }
            if (C == '\r' && I + 1 < Value.size() && Value[I + 1] == '\n') ++I;
            Result.push_back(std::move(Line));
            Line.clear();
        }
        Result.push_back(std::move(Line));
    }
    SetLines(Result);
}

std::vector<std::string> TStrings::Lines() const {
    std::vector<std::string> Result;
    Result.reserve(static_cast<std::size_t>(Count()));
    for (int I = 0; I < Count(); ++I)
        Result.push_back(Get(I));
    return Result;
}

void TStrings::SetLines(const std::vector<std::string>& Value) {
    BeginUpdate();
    Clear();
    for (const std::string& Line : Value)
        Add(Line);
    EndUpdate();
}

void TStrings::Assign(const TPersistent& Source) {
    if (auto* Strings = dynamic_cast<const TStrings*>(&Source)) {
        if (Strings == this) return;
        BeginUpdate();
        Clear();
        AddStrings(*Strings);
        EndUpdate();
        return;
    }
    TPersistent::Assign(Source);
}

void TStrings::BeginUpdate() {
    if (FUpdateCount++ == 0) SetUpdateState(true);
}

void TStrings::EndUpdate() {
    if (FUpdateCount > 0 && --FUpdateCount == 0) SetUpdateState(false);
}

void TStrings::SetUpdateState(bool Updating) {
    if (!Updating) Changed();
}

void TStrings::Changed() {
    if (FUpdateCount == 0) OnChange(this);
}

VSK_IMPLEMENT_CLASS(TStringList)

void TStringList::Publish(TPublisher<TStringList>&) {}

TStringList::TStringList(std::initializer_list<std::string> Lines) {
    for (const std::string& Line : Lines)
        FItems.push_back({Line});
}

const TStringList::TItem& TStringList::Item(int Index) const {
    if (Index < 0 || Index >= Count()) IndexError(Index);
    return FItems[static_cast<std::size_t>(Index)];
}

TStringList::TItem& TStringList::Item(int Index) {
    return const_cast<TItem&>(static_cast<const TStringList*>(this)->Item(Index));
}

std::string TStringList::Get(int Index) const {
    return Item(Index).S;
}

void TStringList::Put(int Index, const std::string& S) {
    Item(Index).S = S;
    Changed();
}

TObject* TStringList::GetObject(int Index) const {
    return Item(Index).Object;
}

void TStringList::PutObject(int Index, TObject* AObject) {
    Item(Index).Object = AObject;
    Changed();
}

void TStringList::Insert(int Index, const std::string& S) {
    if (Index < 0 || Index > Count()) IndexError(Index);
    FItems.insert(FItems.begin() + Index, TItem{S});
    Changed();
}

void TStringList::Delete(int Index) {
    if (Index < 0 || Index >= Count()) IndexError(Index);
    FItems.erase(FItems.begin() + Index);
    Changed();
}

void TStringList::Clear() {
    if (FItems.empty()) return;
    FItems.clear();
    Changed();
}
