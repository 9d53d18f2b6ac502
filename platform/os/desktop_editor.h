#pragma once
// The desktop's text editor, for command lines that name the editor of the
// other platform ("Notepad.exe") where no program of that name exists.
//
// The user's choice comes first: the default application for text/plain in
// the MIME association lists (mimeapps.list), read in this order:
//   $XDG_CONFIG_HOME (default ~/.config): {desktop}-mimeapps.list for each
//     name in $XDG_CURRENT_DESKTOP (lowercased, ':'-separated), then
//     mimeapps.list;
//   the same in each folder of $XDG_CONFIG_DIRS (default /etc/xdg);
//   the same in $XDG_DATA_HOME/applications (default ~/.local/share);
//   the same in each $XDG_DATA_DIRS/applications (default
//     /usr/local/share:/usr/share).
// All [Default Applications] entries for text/plain are tried in that order,
// then all [Added Associations] entries (less those a [Removed Associations]
// group of the same or an earlier list takes away). A desktop file is looked
// up by its ID in $XDG_DATA_HOME/applications, then each
// $XDG_DATA_DIRS/applications ('-' in the ID may stand for a subfolder); the
// first one found is the one that counts. It is used when it is not Hidden,
// does not need a terminal, and its TryExec and Exec programs are executable
// files.
//
// With no usable association, these editors are searched in PATH, in this
// order: gnome-text-editor, gedit, kwrite, kate, mousepad, pluma, xed,
// featherpad, leafpad, geany.

#include "platform/os/command_line.h"

#include <optional>
#include <string>
#include <vector>

// The program and arguments that open `files` (Linux paths) in the desktop's
// text editor, with `options` (such as the line to open at) right before the
// files; empty when there is none.
std::optional<ProgramLaunch> DesktopTextEditorLaunch(const std::vector<std::string>& options,
                                                     const std::vector<std::string>& files);
