#pragma once

#include <QtGlobal>

// The question sets of the catalogue: employee type, reference kind (1 simple, 2 qualified), number of
// questions and first question number; a set's numbers run from `ersteNr` to `ersteNr + anzahl - 1`. The
// question counter and the catalogue build both read this table.
struct Satzgroesse
{
    qint16 arbeitnehmertyp;
    qint16 zeugnisart;
    int anzahl;
    int ersteNr;
};

inline constexpr Satzgroesse Satzgroessen[] = {
    {1, 1, 3, 1},    {1, 2, 34, 101}, {2, 2, 27, 201}, {3, 1, 3, 301},
    {3, 2, 17, 311}, {4, 1, 3, 401},  {4, 2, 10, 411},
};
