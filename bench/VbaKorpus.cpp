// SPDX-License-Identifier: GPL-3.0-or-later
#include "VbaKorpus.h"

namespace cb::bench {

std::string VbaModul(std::size_t bytes) {
    std::string m = "Option Explicit\r\n"
                    "Private Declare PtrSafe Function GetTickCount Lib \"kernel32\" () As Long\r\n"
                    "Private mZaehler As Long\r\n\r\n";
    for (int n = 0; m.size() < bytes; ++n) {
        std::string s = std::to_string(n);
        m += "' ----------------------------------------------------------------\r\n"
             "' Routine " +
             s +
             ": sums the used range, it's a sample\r\n"
             "Public Function Summe" +
             s +
             "(ByVal ws As Worksheet, Optional ByVal spalte As Long = 1) As Double\r\n"
             "    Dim i As Long, total As Double\r\n"
             "    Dim text As String\r\n"
             "    On Error GoTo Fehler\r\n"
             "    For i = 1 To ws.UsedRange.Rows.Count\r\n"
             "        If Not IsEmpty(ws.Cells(i, spalte).Value) Then\r\n"
             "            total = total + CDbl(ws.Cells(i, spalte).Value) ' add it\r\n"
             "        ElseIf ws.Cells(i, spalte).Text = \"\" Then\r\n"
             "            text = \"Zeile \"\"\" & i & \"\"\" ist leer\"\r\n"
             "        End If\r\n"
             "    Next i\r\n"
             "    Summe" +
             s +
             " = total\r\n"
             "    Exit Function\r\n"
             "Fehler:\r\n"
             "    MsgBox \"Fehler in Summe" +
             s +
             ": \" & Err.Description, vbExclamation, _\r\n"
             "        \"Code Brindle\"\r\n"
             "End Function\r\n\r\n"
             "Private Sub Melden" +
             s +
             "(ByRef meldung As String)\r\n"
             "    Select Case Len(meldung)\r\n"
             "        Case 0: Exit Sub\r\n"
             "        Case Else\r\n"
             "            Debug.Print meldung; Tab(4); GetTickCount\r\n"
             "    End Select\r\n"
             "    With Application\r\n"
             "        .StatusBar = meldung\r\n"
             "    End With\r\n"
             "End Sub\r\n\r\n"
             "Public Property Get Zaehler" +
             s +
             "() As Long\r\n"
             "    Zaehler" +
             s +
             " = mZaehler\r\n"
             "End Property\r\n\r\n";
    }
    return m;
}

} // namespace cb::bench
