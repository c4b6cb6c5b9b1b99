Attribute VB_Name = "ModRechnen"
' SPDX-License-Identifier: GPL-3.0-or-later
Option Explicit

Public Const STANDARD_STEUER As Double = 0.19

' Legt eine Rechnung über den Nettobetrag an.
Public Function NeueRechnung(ByVal netto As Currency, Optional ByVal satz As Double = STANDARD_STEUER) As KlsRechnung
    Dim r As New KlsRechnung
    r.Netto = netto
    r.Steuersatz = satz
    Set NeueRechnung = r
End Function

Public Function Brutto(ByVal netto As Currency, ByVal satz As Double) As Currency
    Brutto = Gerundet(netto * (1 + satz))
End Function

Private Function Gerundet(ByVal betrag As Currency) As Currency
    ' Kaufmännisch runden, nicht wie Round (das rundet zur geraden Zahl)
    Gerundet = Int(betrag * 100 + 0.5) / 100
End Function

Public Function SummeOffen(ByVal kunden As Collection) As Currency
    Dim k As KlsKunde, summe As Currency
    For Each k In kunden
        If Not k.Rechnung.Bezahlt Then summe = summe + k.Rechnung.Betrag
    Next k
    SummeOffen = summe
End Function
