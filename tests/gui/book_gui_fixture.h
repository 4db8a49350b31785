// A frame with a small library of book modules made by the module writer in
// a temporary data path, and helpers to open, move and read book windows.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "books/book_types.h"
#include "harness.h"

namespace gui {

class BookGuiTest : public FrameTest {
public:
    using V = std::vector<int>;

protected:
    void SetUp() override;
    void TearDown() override;

    // The catalogue index of a module file.
    static int File(const char* name);
    // Opens a module through its menu command; returns the window index.
    int Open(const char* name);
    // The plain text window i shows.
    static std::string Text(int i);
    // Book, chapter and verse of window i.
    static V Place(int i);
    // A vertical scroll request to window i's frame.
    static void Scroll(int i, int code);
    // Makes window i the active child.
    static void Activate(int i);
    // Moves window i as the navigator does: draw it, then synchronise.
    static void MoveTo(int i, int book, int chapter, int verse);
    static int OffsetOf(int i, const BOOK_POSITION& p);
    const std::string& dir() const { return dir_; }

    // The library: writes the modules into dir/data and builds the catalogue
    // and the module menus anew.
    virtual void WriteModules();
    void Rescan();

private:
    std::string dir_;
};

} // namespace gui
