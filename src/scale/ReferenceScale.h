// The reference scale (Normalmensur) and the pitch of a stop's notes.
#pragma once

namespace ventrel {

// Inside diameter of 8' C in the reference scale, and the half-tones over which it halves
// (the diameter halves on the 17th note).
inline constexpr double kReferenceDiameter = 155.5;
inline constexpr double kHalvingHalfTones = 16;

// Half-tones from 8' C to the pitch of a stop's lowest C: 0 for 8', 12 for 4', 19.02 for 2 2/3'.
double HalfTonesAbove8(double footage);

// The half-tone position (above 8' C) at which a stop's pipe on `note` takes its reference
// diameter: the note's own position, with a mutation's interval rounded to the nearest half-tone
// (a 2 2/3' pipe on C takes the diameter of g, 19 half-tones up).
double ReferencePosition(double footage, int note);

// The reference diameter at a half-tone position above 8' C.
double ReferenceDiameter(double position);

// The deviation, in half-tones, of a diameter at a half-tone position: positive when wider.
double DeviationOf(double diameter, double position);

// Speed of sound in air, in mm/s, at a temperature in degrees Celsius.
double SpeedOfSound(double celsius);

// The frequency of a stop's pipe on `note`, with a' (note 34 at 8') at `pitch`; a mutation
// sounds its pure interval above the 8' note.
double NoteFrequency(double footage, int note, double pitch);

} // namespace ventrel
