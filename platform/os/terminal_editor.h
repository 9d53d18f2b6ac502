#pragma once
// Editors that draw in a terminal, and the desktop's terminal that hosts one
// when Corvane has no terminal of its own to hand it (started from a menu or
// a file manager). Detached and without a terminal, such an editor shows
// nothing; vim even lingers unseen, holding its swap file.
//
// An editor runs in a terminal when the name of its program, or the name its
// symbolic links end at (`editor` -> `nano`), is one of:
//   vi, vim (unless given -g, which asks for its window), vim.basic,
//   vim.tiny, vim.nox, nvim, nano, pico, micro, hx, helix, kak, ne, joe, mg,
//   jed, mcedit, emacs-nox;
//   emacs only with -nw or --no-window-system (plain emacs opens a window);
//   emacsclient only with -t, -nw or --tty.
//
// The terminal is the first of these that names an executable program:
//   1. $TERMINAL: a program (a name searched in PATH, or an absolute path),
//      optionally followed by options for the terminal itself, all separated
//      by blanks (no quoting: no shell reads it);
//   2. xdg-terminal-exec (the desktop's chosen terminal, where installed);
//   3. x-terminal-emulator (the system's default terminal on Debian and its
//      derivatives);
//   4. gnome-terminal, ptyxis, konsole, xfce4-terminal, mate-terminal,
//      terminator, alacritty, kitty, foot, wezterm, urxvt, xterm, in PATH.
// Each is given the editor's program and arguments as separate arguments, in
// the form it documents for running a program with its arguments:
//   gnome-terminal, ptyxis: -- PROGRAM ARGS
//   xfce4-terminal, mate-terminal, terminator: -x PROGRAM ARGS
//   xdg-terminal-exec, kitty, foot: PROGRAM ARGS
//   wezterm: start -- PROGRAM ARGS
//   every other terminal, x-terminal-emulator included: -e PROGRAM ARGS.

#include "platform/os/command_line.h"

#include <optional>

// Whether standard input and standard output are both terminals: what an
// editor started from here would inherit and draw in.
bool StandardStreamsAreTerminal();

// Whether the editor draws in the terminal it is started from (see above).
bool EditorNeedsTerminal(const ProgramLaunch& editor);

// What starts the editor: the editor itself when it needs no terminal or
// `haveTerminal` says one is there to inherit; otherwise the desktop's
// terminal running it, with every argument kept (the line to open at
// included). Empty when the editor needs a terminal and none was found.
std::optional<ProgramLaunch> EditorLaunchFor(ProgramLaunch editor, bool haveTerminal);
