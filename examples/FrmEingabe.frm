VERSION 5.00
Begin {C62A69F0-16DC-11CE-9E98-00AA00574A4F} FrmEingabe
   Caption         =   "Kunde bearbeiten"
   ClientHeight    =   2400
   ClientLeft      =   120
   ClientTop       =   465
   ClientWidth     =   4560
   StartUpPosition =   1  'Fenstermitte
End
Attribute VB_Name = "FrmEingabe"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
' SPDX-License-Identifier: GPL-3.0-or-later
Option Explicit

Private WithEvents m_rechnung As KlsRechnung
Private m_kunde As KlsKunde

Public Sub KundeZeigen(ByVal kunde As KlsKunde)
    Set m_kunde = kunde
    Set m_rechnung = kunde.Rechnung
    Me.Caption = "Kunde " & kunde.Nummer
    Me.Show vbModal
End Sub

Private Sub m_rechnung_Beglichen(ByVal betrag As Currency)
    MsgBox "Beglichen: " & ModTexte.Betragstext(betrag), vbInformation
End Sub

Private Sub UserForm_QueryClose(Cancel As Integer, CloseMode As Integer)
    If CloseMode = vbFormControlMenu Then ModStart.AenderungMerken
End Sub
