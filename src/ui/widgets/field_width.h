#pragma once

// How wide a field's edit is: as wide as the longest text the field can hold
// (within reason), measured in the edit's own font, so that a two-digit number
// gets a short box and a long text a long one, whatever the window's size.

class QLineEdit;

namespace orv {

struct ParameterDefinition;

// The most characters a value row's text can take: the longest of its limits
// and its default written by its kind; a text row's stored width, held to a
// line's worth.
int fieldCharacters(const ParameterDefinition& definition, int kind, bool textRow);

// Makes the edit as wide as that many characters (and no wider), frame and
// margins included; the edit may still shrink when the window does.
void fitEditWidth(QLineEdit* edit, int characters);

}  // namespace orv
