#pragma once

#include <QString>

// The user guide is the README installed with the program (or the one in
// the source tree for a program run from its build folder).
QString FindUserGuide();

// Renders a Markdown guide into an HTML page inside `folder` and returns the
// page's path; the Markdown file itself when the page cannot be written.
QString RenderUserGuide(const QString& markdownPath, const QString& folder);

// The page the window's links open: the found guide rendered into the
// user's cache folder; empty when no guide is installed.
QString UserGuidePage();
