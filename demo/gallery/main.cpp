// skingallery: every skinned component in every built-in style, for looking at the skin engine's pixels.
//
//   skingallery OUTDIR [PAGE ...]
//
// Shows, page by page and style by style, one window filled with a page's components (GalleryPages.cpp),
// takes what the screen shows of it and writes <OUTDIR>\<page>-<style>[-<pose>].bmp. Without PAGE names,
// every page. `make gallery` runs it under Xvfb and turns the pictures into PNG files and one composite.
#include "demo/gallery/GalleryPage.h"
#include "demo/gallery/WindowShot.h"
#include "framework/win/ComponentClasses.h"
#include "framework/win/forms/Application.h"
#include "framework/win/forms/Form.h"
#include "skin/themes/Vskthemetables.h"

#include <windows.h>

#include <cstdio>
#include <exception>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int ExitOk = 0;
constexpr int ExitFailed = 1;
constexpr int ExitUsage = 2;
constexpr int WindowLeft = 40;
constexpr int WindowTop = 40;
constexpr TvskUIStyle Styles[] = {MacOS, WinXP, DeepBlue, Protein, BlueGlass};

std::string GOutFolder;
std::string GShotName; // <page>-<style> of the window on the screen

void Shoot(TForm& Form, const char* Pose) {
    std::string File = GOutFolder + "\\" + GShotName;
    if (Pose && *Pose) File += std::string("-") + Pose;
    SaveWindowShot(Form.Handle(), File + ".bmp");
}

void ShowPage(const TGalleryPage& Page, TvskUIStyle Style) {
    // Made as the application makes its forms: the page on the screen is the main form (an MDI frame must be).
    std::unique_ptr<TForm> Form(Application->CreateForm<TForm>());
    Form->SetCaption(std::string(Page.Name) + " - " + TvskUIStyleInfo.Names[Style]);
    Form->SetBounds(WindowLeft, WindowTop, Page.ClientWidth, Page.ClientHeight);
    Form->SetClientWidth(Page.ClientWidth);
    Form->SetClientHeight(Page.ClientHeight);
    Page.Build(*Form, Style);
    Form->Show();
    SettleWindow(Form->Handle());
    GShotName = std::string(Page.Name) + "-" + TvskUIStyleInfo.Names[Style];
    if (Page.Pose)
        Page.Pose(*Form, Style, Shoot);
    else
        Shoot(*Form, nullptr);
}

bool Wanted(const TGalleryPage& Page, const std::vector<std::string>& Names) {
    if (Names.empty()) return true;
    for (const std::string& Name : Names)
        if (Name == Page.Name) return true;
    return false;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: skingallery OUTDIR [PAGE ...]\n");
        return ExitUsage;
    }
    GOutFolder = argv[1];
    const std::vector<std::string> Names(argv + 2, argv + argc);
    try {
        RegisterWinComponentClasses();
        Application->Initialize();
        for (const TGalleryPage& Page : GalleryPages())
            if (Wanted(Page, Names))
                for (TvskUIStyle Style : Styles)
                    ShowPage(Page, Style);
    } catch (const std::exception& Error) {
        std::fprintf(stderr, "skingallery: %s\n", Error.what());
        return ExitFailed;
    }
    return ExitOk;
}
