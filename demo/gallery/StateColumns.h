// The pages that show their components once per state lay them out in the same five columns, under the
// state's name.
#pragma once

class TForm;

enum TStateColumn { colNormal, colHot, colPressed, colFocused, colDisabled, StateColumnCount };

// The five states' names as labels along the top of Form, each column Width wide from Left, at Top.
void AddStateColumnLabels(TForm& Form, int Left, int Top, int Width, int Height);
