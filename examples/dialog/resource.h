// Control ids of the example dialog, shared by the resource script and the program.
#define IDD_MAIN 100
#define IDC_AMOUNT 1001
#define IDC_DATE 1002
#define IDC_DUE 1003
#define IDC_PROPS 1004
#define IDC_FILES 1005
#define IDC_QUERY 1006
#define IDC_RESULT 1007
#define IDC_APPLY 1008
