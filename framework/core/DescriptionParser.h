// Parses the text of a window description into its syntax tree:
//
//   object fmMain: TfmMain
//     Caption = 'IBM AS/400 CL Command Vantrel'
//     Font.Name = 'MS Sans Serif'
//     object sfMain: TvskForm
//       TitleBarButtons = <
//         item
//           PicNormal.Data = {0A5442...}
//         end>
//     end
//   end
//
// Keywords (object, end, item) ignore letter case; line breaks and indentation are free. A syntax error
// raises EReadError "line N: ..." naming the line where the text stops making sense.
#pragma once

#include "framework/core/DescriptionTree.h"

#include <string_view>

TDescObject ParseDescription(std::string_view Text);
