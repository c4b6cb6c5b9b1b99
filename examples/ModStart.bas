Attribute VB_Name = "ModStart"
' SPDX-License-Identifier: GPL-3.0-or-later
Option Explicit

' Einstieg: liest die Kunden von Tabelle1 und rechnet die offenen Beträge.

#If VBA7 Then
    Private Declare PtrSafe Function GetTickCount Lib "kernel32" () As Long
    Private Declare PtrSafe Sub Sleep Lib "kernel32" (ByVal dwMilliseconds As Long)
#Else
    Private Declare Function GetTickCount Lib "kernel32" () As Long
    Private Declare Sub Sleep Lib "kernel32" (ByVal dwMilliseconds As Long)
#End If

Private m_geaendert As Boolean
Private m_kunden As Collection

Public Sub Starten()
    Dim beginn As Long
    beginn = GetTickCount
    Set m_kunden = KundenLesen()
    Application.StatusBar = "Kunden: " & m_kunden.Count & " (" & (GetTickCount - beginn) & " ms)"
    m_geaendert = False
End Sub

Public Function KundenLesen() As Collection
    Dim liste As New Collection, zeile As Long
    zeile = 2
    Do While Tabelle1.Cells(zeile, 1).Value <> ""
        liste.Add KundeAusZeile(zeile), CStr(Tabelle1.Cells(zeile, 1).Value)
        zeile = zeile + 1
    Loop
    Set KundenLesen = liste
End Function

Public Function KundeAusZeile(ByVal zeile As Long) As KlsKunde
    Dim k As New KlsKunde
    k.Nummer = Tabelle1.Cells(zeile, 1).Value
    k.Name = ModTexte.Bereinigt(Tabelle1.Cells(zeile, 2).Value)
    Set k.Rechnung = ModRechnen.NeueRechnung(Tabelle1.Cells(zeile, 3).Value, 0.19)
    Set KundeAusZeile = k
End Function

Public Sub AenderungMerken()
    m_geaendert = True
End Sub

Public Property Get UngespeicherteAenderungen() As Boolean
    UngespeicherteAenderungen = m_geaendert
End Property

Public Sub KurzWarten(Optional ByVal ms As Long = 100)
    Sleep ms
    DoEvents: Rem dem Bildschirm Zeit geben
End Sub
