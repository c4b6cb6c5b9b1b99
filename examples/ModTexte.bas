Attribute VB_Name = "ModTexte"
' SPDX-License-Identifier: GPL-3.0-or-later
Option Explicit

' Kleine Helfer für Texte aus Zellen.
Public Function Bereinigt(ByVal text As String) As String
    text = Replace(text, vbTab, " ")
    Do While InStr(text, "  ") > 0
        text = Replace(text, "  ", " ")
    Loop
    Bereinigt = Trim$(text)
End Function

Public Function Betragstext(ByVal betrag As Currency) As String
    Betragstext = Format$(betrag, "#,##0.00") & " €"
End Function

Public Function Zitiert(ByVal text As String) As String
    ' Ein ' zwischen Anführungszeichen beginnt keinen Kommentar
    Zitiert = """" & Replace(text, """", """""") & """"
End Function
