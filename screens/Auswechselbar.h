#pragma once

// A seam tests can script: calls go to the program's own provider `Echt` unless a test has put another
// `Anbieter` in its place; setting none brings the program's own back.
template <class Anbieter, class Echt> class Auswechselbar
{
public:
    static Anbieter& aktuell() { return *zeiger(); }

    static void setze(Anbieter* anbieter) { zeiger() = anbieter ? anbieter : &eigener(); }

private:
    static Echt& eigener()
    {
        static Echt echt;
        return echt;
    }

    static Anbieter*& zeiger()
    {
        static Anbieter* anbieter = &eigener();
        return anbieter;
    }
};
