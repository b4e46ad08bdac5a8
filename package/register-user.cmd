@echo off
rem register-user.cmd: see vestrel-regsvr.cmd
call "%~dp0vestrel-regsvr.cmd" /user
