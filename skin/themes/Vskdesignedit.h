// What the form designer offers on the theme components (not used by a running program): choosing the
// theme file of a file theme, and choosing the components a theme manager looks after.
#pragma once

class TvskBuiltInFileTheme;
class TvskFileTheme;
class TvskThemeManager;

// Show the open-file dialog for theme files; a confirmed choice becomes the theme's ThemeFile (for the
// built-in file theme, its design-time ThemeFile, whose bytes are then stored with the form).
void FileThemeEdit(TvskFileTheme& Theme);
void BuiltInFileThemeEdit(TvskBuiltInFileTheme& Theme);

// Runs the dialog over the manager's form's skinned components; OK replaces CompList with the ticked names,
// Cancel keeps it. The listed components are updated either way. Nothing happens when the manager's owner
// is not a form.
void ThemeManagerEdit(TvskThemeManager& Manager);
