// TvskLifeline: tells code that calls out of an object (into a modal loop of the system, into a program's
// event handler) whether the object still exists when the call returns. The frame's windows can be
// destroyed from inside their own menus, drags and click handlers; after such a call they check before
// touching a member.
//
//   const auto Alive = FLifeline.Watch();
//   OnHelpBtnClick(this, Index);
//   if (Alive.expired()) return;
#pragma once

#include <memory>

class TvskLifeline {
public:
    TvskLifeline() : FToken(std::make_shared<char>()) {}
    TvskLifeline(const TvskLifeline&) = delete;
    TvskLifeline& operator=(const TvskLifeline&) = delete;

    std::weak_ptr<const char> Watch() const { return FToken; }

private:
    std::shared_ptr<const char> FToken;
};
